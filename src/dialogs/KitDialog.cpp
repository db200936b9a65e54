#include "dialogs/KitDialog.h"

#include "dialogs/DialogHooks.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

namespace {
constexpr const char* HelpContextProperty = "helpContext";
}

KitDialog::KitDialog(QWidget* parent) : QDialog(parent) {}

void KitDialog::SetHelpContext(QWidget* field, const QString& context) {
    field->setProperty(HelpContextProperty, context);
}

QString KitDialog::helpContextFor(const QWidget* focus) const {
    for (const QWidget* w = focus; w != nullptr && w != this; w = w->parentWidget()) {
        const QVariant context = w->property(HelpContextProperty);
        if (context.isValid())
            return context.toString();
    }
    return dialogContext_;
}

QWidget* KitDialog::makeButtons(const QString& okText, const QString& cancelText, bool withHelp) {
    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton(okText, QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton* cancel = box->addButton(cancelText, QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(ok, &QPushButton::clicked, this, [this] { confirm(); });
    QObject::connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    if (withHelp) {
        QPushButton* help = box->addButton(QStringLiteral("&Help"), QDialogButtonBox::HelpRole);
        help->setObjectName(QStringLiteral("helpButton"));
        help->setAutoDefault(false);
        QObject::connect(help, &QPushButton::clicked, this,
                         [this] { RequestHelp(dialogContext_); });
    }
    return box;
}

void KitDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        RequestHelp(helpContextFor(focusWidget()));
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
