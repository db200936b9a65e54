#include "dialogs/KitDialog.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/Mnemonics.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

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

QWidget* KitDialog::makeButtons(const QString& okText, const QString& cancelText, bool withHelp,
                                const QString& helpText) {
    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton(okText, QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QPushButton* cancel = box->addButton(cancelText, QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(ok, &QPushButton::clicked, this, [this] { confirm(); });
    QObject::connect(cancel, &QPushButton::clicked, this, [this] { reject(); });
    if (withHelp) {
        QPushButton* help = box->addButton(helpText.isEmpty() ? QStringLiteral("Help") : helpText,
                                           QDialogButtonBox::HelpRole);
        help->setObjectName(QStringLiteral("helpButton"));
        if (helpText.isEmpty())
            freeHelp_ = help;
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

void KitDialog::showEvent(QShowEvent* event) {
    if (freeHelp_ != nullptr) {
        freeHelp_->setText(
            WithFreeMnemonic(QStringLiteral("Help"), UsedMnemonics(this, freeHelp_)));
        freeHelp_ = nullptr;
    }
    fitTitle();
    QDialog::showEvent(event);
}

// The window manager cuts a title that is wider than the frame: keep room for the title in its
// bold face, the window icon and the frame's buttons.
void KitDialog::fitTitle() {
    if (titleFitted_)
        return;
    titleFitted_ = true;
    QFont bold = font();
    bold.setBold(true);
    const int frameButtons = 4 * fontMetrics().height() + 48;
    const int needed = QFontMetrics(bold).horizontalAdvance(windowTitle()) + frameButtons;
    // A box layout's strut holds also where the layout fixes the dialog's size.
    auto* box = qobject_cast<QBoxLayout*>(layout());
    if (box != nullptr && (box->direction() == QBoxLayout::TopToBottom ||
                           box->direction() == QBoxLayout::BottomToTop))
        box->addStrut(needed);
    else
        setMinimumWidth(std::max(minimumWidth(), needed));
}
