#include "dialogs/UnitCodesDialog.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/UnitCodesPicture.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

unitCodesDialog::unitCodesDialog(QWidget* parent) : KitDialog(parent) {
    setObjectName(QStringLiteral("unitCodesDialog"));
    setWindowTitle(QStringLiteral("Unit Product Codes"));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(QPixmap::fromImage(UnitCodesPicture()));
    picture->setFixedSize(UnitCodesPictureSize);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, this, [this] { accept(); });
    buttons->setCenterButtons(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setDialogHelpContext(QStringLiteral("unitcodes"));
}

bool RunUnitCodesDialog(QWidget* parent) {
    unitCodesDialog dialog(parent);
    return RunModal(dialog) == QDialog::Accepted;
}
