#include "dialogs/CalcEdit.h"

#include "dialogs/DialogHooks.h"
#include "dialogs/NumberField.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
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
    button_->setToolTip(QStringLiteral("Calculator (F4)"));
    button_->setFocusPolicy(Qt::StrongFocus); // Tab reaches it after the field; Space opens it
    setFocusProxy(field_);
    // Takes focus like its field, so a label's mnemonic that names this edit reaches the field.
    setFocusPolicy(field_->focusPolicy());
    field_->installEventFilter(this);
    connect(button_, &QToolButton::clicked, this, [this] { popUp(); });
}

bool CalcEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        const bool opens = (key->key() == Qt::Key_F4 && modifiers == Qt::NoModifier) ||
                           (key->key() == Qt::Key_Down && modifiers == Qt::AltModifier);
        if (opens) {
            popUp();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
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
    display_->setFocusPolicy(Qt::NoFocus);
    display_->setAlignment(Qt::AlignRight);
    display_->setObjectName(QStringLiteral("display"));
    auto* keys = new QGridLayout;
    // The keys are for the mouse (the keyboard types into the dialog itself), and all as wide
    // as each other, so no column widens.
    const char* const layout[5][4] = {{"7", "8", "9", "/"},
                                      {"4", "5", "6", "*"},
                                      {"1", "2", "3", "-"},
                                      {"0", ".", "=", "+"},
                                      {"C", "←", nullptr, nullptr}};
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4 && layout[r][c] != nullptr; ++c) {
            const QString key = QString::fromUtf8(layout[r][c]);
            auto* button = new QPushButton(key, this);
            button->setAutoDefault(false);
            button->setFocusPolicy(Qt::NoFocus);
            button->setFixedWidth(36);
            connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
            keys->addWidget(button, r, c);
        }
    // A plain row rather than a button box, which would make Use the default button and so take
    // Enter: here Enter belongs to the calculator (= and then Use).
    auto* use = new QPushButton(QStringLiteral("&Use"), this);
    use->setObjectName(QStringLiteral("okButton"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {use, cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    connect(use, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(display_);
    column->addLayout(keys);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);

    calculator_.startFrom(start);
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
    else if (key == QStringLiteral("←"))
        calculator_.backspace();
    else if (key.size() == 1)
        calculator_.operation(key[0]);
    display_->setText(calculator_.display());
}

void TCalculatorDialog::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((modifiers & ~Qt::ShiftModifier) != Qt::NoModifier) {
        QDialog::keyPressEvent(event); // Alt+U and other shortcuts
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (calculator_.failed())
            return;
        if (calculator_.settled())
            accept();
        else
            press(QStringLiteral("="));
        return;
    case Qt::Key_Backspace:
        press(QStringLiteral("←"));
        return;
    case Qt::Key_Delete:
        press(QStringLiteral("C"));
        return;
    default:
        break;
    }
    const QString text = event->text();
    static const QString typed = QStringLiteral("0123456789.+-*/=");
    if (text.size() == 1 && typed.contains(text[0]))
        press(text);
    else if (text == QLatin1String(","))
        press(QStringLiteral("."));
    else if (text.compare(QLatin1String("c"), Qt::CaseInsensitive) == 0)
        press(QStringLiteral("C"));
    else
        QDialog::keyPressEvent(event); // Escape closes
}

QString TCalculatorDialog::display() const {
    return display_->text();
}
