#include "dialogs/CalcEdit.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

CalcEdit::CalcEdit(const QString& picture, int32_t minimum, int32_t maximum, QWidget* parent)
    : QWidget(parent), field_(new IntField(picture, minimum, maximum, this)),
      button_(new QToolButton(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(field_);
    row->addWidget(button_);
    row->addStretch();
    button_->setText(QStringLiteral("..."));
    button_->setObjectName(QStringLiteral("calculatorButton"));
    button_->setToolTip(QStringLiteral("Calculator"));
    button_->setFocusPolicy(Qt::NoFocus);
    setFocusProxy(field_);
    // Takes focus like its field, so a label's mnemonic that names this edit reaches the field.
    setFocusPolicy(field_->focusPolicy());
    connect(button_, &QToolButton::clicked, this, [this] { popUp(); });
}

void CalcEdit::popUp() {
    TCalculatorDialog calculator(field_->value(), this);
    if (RunModal(calculator) != QDialog::Accepted || calculator.calculator().failed())
        return;
    const double result = std::trunc(calculator.calculator().value());
    field_->setText(QString::number(result, 'f', 0));
    field_->setFocus();
}

TCalculatorDialog::TCalculatorDialog(double start, QWidget* parent)
    : QDialog(parent), display_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("TCalculatorDialog"));
    setWindowTitle(QStringLiteral("Calculator"));
    display_->setReadOnly(true);
    display_->setAlignment(Qt::AlignRight);
    display_->setObjectName(QStringLiteral("display"));
    auto* keys = new QGridLayout;
    const char* const layout[4][4] = {
        {"7", "8", "9", "/"}, {"4", "5", "6", "*"}, {"1", "2", "3", "-"}, {"0", ".", "=", "+"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const QString key = QLatin1String(layout[r][c]);
            auto* button = new QPushButton(key, this);
            button->setAutoDefault(false);
            button->setFixedWidth(36);
            connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
            keys->addWidget(button, r, c);
        }
    auto* clear = new QPushButton(QStringLiteral("C"), this);
    clear->setAutoDefault(false);
    clear->setFixedWidth(36); // as wide as the keys above it, so no column widens
    connect(clear, &QPushButton::clicked, this, [this] { press(QStringLiteral("C")); });
    keys->addWidget(clear, 4, 0);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* use = buttons->addButton(QStringLiteral("&Use"), QDialogButtonBox::AcceptRole);
    use->setObjectName(QStringLiteral("okButton"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(display_);
    column->addLayout(keys);
    column->addWidget(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    const QString text = QString::number(std::isfinite(start) ? start : 0.0, 'f', 0);
    for (const QChar c : text)
        if (c.isDigit())
            calculator_.digit(c.digitValue());
    display_->setText(calculator_.display());
}

void TCalculatorDialog::press(const QString& key) {
    if (key.size() == 1 && key[0].isDigit())
        calculator_.digit(key[0].digitValue());
    else if (key == QLatin1String("."))
        calculator_.point();
    else if (key == QLatin1String("="))
        calculator_.equals();
    else if (key == QLatin1String("C"))
        calculator_.clear();
    else if (key.size() == 1)
        calculator_.operation(key[0]);
    display_->setText(calculator_.display());
}

QString TCalculatorDialog::display() const {
    return display_->text();
}
