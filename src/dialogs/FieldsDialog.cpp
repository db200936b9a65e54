#include "dialogs/FieldsDialog.h"

#include "dialogs/NumberField.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

FieldsDialog::FieldsDialog(const QString& className, const QString& title, QWidget* parent,
                           UnitSystem units)
    : KitDialog(parent), units_(units), layout_(new QVBoxLayout(this)), grid_(new QGridLayout) {
    setObjectName(className);
    setWindowTitle(title);
    grid_->setHorizontalSpacing(12);
    layout_->addLayout(grid_);
}

IntField* FieldsDialog::addInt(const QString& label, const char* name, const QString& picture,
                               int32_t minimum, int32_t maximum, int32_t value) {
    auto* field = new IntField(picture, minimum, maximum, this);
    field->setObjectName(QLatin1String(name));
    field->setValue(value);
    addRow(label, field);
    checked_.push_back(field);
    return field;
}

RealField* FieldsDialog::addReal(const QString& label, const char* name, const QString& picture,
                                 double minimum, double maximum, double value) {
    auto* field = new RealField(picture, minimum, maximum, 2, this);
    field->setObjectName(QLatin1String(name));
    field->setValue(value);
    addRow(label, field);
    checked_.push_back(field);
    opened_.push_back({field, field->text(), value});
    return field;
}

IntField* FieldsDialog::addInt(const UnitLabel& label, Quantity quantity, const char* name,
                               const QString& picture, int32_t minimum, int32_t maximum,
                               int32_t value) {
    auto* field = new IntField(picture, minimum, maximum, this);
    field->setObjectName(QLatin1String(name));
    field->setValue(value);
    field->showIn(units_, quantity);
    addRow(LabelIn(units_, label), field);
    checked_.push_back(field);
    return field;
}

RealField* FieldsDialog::addReal(const UnitLabel& label, Quantity quantity, const char* name,
                                 const QString& picture, double minimum, double maximum,
                                 double value, int siDecimals) {
    auto* field = new RealField(picture, minimum, maximum, 2, this);
    field->setObjectName(QLatin1String(name));
    field->setValue(value);
    field->showIn(units_, quantity, siDecimals);
    addRow(LabelIn(units_, label), field);
    checked_.push_back(field);
    opened_.push_back({field, field->text(), value});
    return field;
}

double FieldsDialog::realOf(const RealField* field) const {
    for (const Opened& o : opened_)
        if (o.field == field && o.text == field->text())
            return o.value;
    return field->storedValue();
}

void FieldsDialog::addRow(const QString& label, QWidget* field) {
    auto* text = new QLabel(label, this);
    text->setBuddy(field);
    grid_->addWidget(text, rows_, 0);
    grid_->addWidget(field, rows_, 1);
    ++rows_;
}

void FieldsDialog::addNote(const QString& text) {
    grid_->addWidget(new QLabel(text, this), rows_++, 0, 1, 2);
}

void FieldsDialog::addWidget(QWidget* widget) {
    grid_->addWidget(widget, rows_++, 0, 1, 2);
}

void FieldsDialog::finish(bool withHelp) {
    layout_->addWidget(makeButtons(QStringLiteral("OK"), QStringLiteral("Cancel"), withHelp));
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    if (!checked_.empty())
        checked_.front()->setFocus();
}

void FieldsDialog::confirm() {
    for (NumberField* field : checked_)
        if (!CheckFieldRanges(this, {field}))
            return;
    accept();
}

QGroupBox* RadioGroup(const QString& title, const QStringList& texts, const QStringList& names,
                      const std::vector<int>& checked, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* buttons = new QButtonGroup(box);
    buttons->setExclusive(true);
    auto* column = new QVBoxLayout(box);
    qsizetype chosen = 0;
    for (qsizetype i = static_cast<qsizetype>(checked.size()) - 1; i >= 0; --i)
        if (checked[static_cast<std::size_t>(i)] != 0)
            chosen = i;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        auto* radio = new QRadioButton(texts[i], box);
        radio->setObjectName(names.value(i));
        radio->setChecked(i == chosen);
        buttons->addButton(radio, static_cast<int>(i));
        column->addWidget(radio);
    }
    return box;
}

std::vector<uint16_t> RadioFlags(const QGroupBox* group) {
    std::vector<uint16_t> flags;
    for (const QRadioButton* radio : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        flags.push_back(radio->isChecked() ? 1 : 0);
    return flags;
}
