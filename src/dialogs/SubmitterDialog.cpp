#include "dialogs/SubmitterDialog.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/Text1252.h"
#include "job/FixedText.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cstring>

namespace {

template <std::size_t N>
QLineEdit* TextField(const char (&field)[N], const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(From1252(GetText(field)), parent);
    edit->setMaxLength(static_cast<int>(N - 1));
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 18);
    return edit;
}

} // namespace

TSubmitterDialog::TSubmitterDialog(const TSubmitter& submitter, QWidget* parent)
    : KitDialog(parent) {
    setObjectName(QStringLiteral("TSubmitterDialog"));
    setWindowTitle(QStringLiteral("Company Submitted By Information"));
    name_ = TextField(submitter.companyName, "companyName", this);
    address_ = TextField(submitter.companyAddress, "companyAddress", this);
    contact_ = TextField(submitter.companyContact, "companyContact", this);
    telephone_ = TextField(submitter.companyTelephone, "companyTelephone", this);
    fax_ = TextField(submitter.companyFax, "companyFax", this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Your Company"), name_);
    form->addRow(QStringLiteral("&Address"), address_);
    form->addRow(QStringLiteral("C&ontact"), contact_);
    form->addRow(QStringLiteral("T&el"), telephone_);
    form->addRow(QStringLiteral("&Fax"), fax_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), false));
    name_->setFocus();
}

TSubmitter TSubmitterDialog::submitter() const {
    TSubmitter s{};
    SetText(s.companyName, To1252(name_->text()));
    SetText(s.companyAddress, To1252(address_->text()));
    SetText(s.companyContact, To1252(contact_->text()));
    SetText(s.companyTelephone, To1252(telephone_->text()));
    SetText(s.companyFax, To1252(fax_->text()));
    return s;
}

bool RunSubmitterDialog(TSubmitter& submitter, QWidget* parent) {
    TSubmitterDialog dialog(submitter, parent);
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    // Compare the texts as the dialog shows them: bytes after a field's NUL do not count.
    const TSubmitter copy = dialog.submitter();
    TSubmitter shown{};
    SetText(shown.companyName, GetText(submitter.companyName));
    SetText(shown.companyAddress, GetText(submitter.companyAddress));
    SetText(shown.companyContact, GetText(submitter.companyContact));
    SetText(shown.companyTelephone, GetText(submitter.companyTelephone));
    SetText(shown.companyFax, GetText(submitter.companyFax));
    if (std::memcmp(&copy, &shown, sizeof copy) == 0)
        return false;
    submitter = copy;
    return true;
}
