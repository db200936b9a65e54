// The user-load calculator from the keyboard: the opener in the Tab order and on F4 / Alt+Down in
// the field, and the calculator worked by typed keys as a desktop calculator is.
#include "DialogTestSupport.h"

#include "dialogs/CalcEdit.h"
#include "dialogs/MiscLoadDialogs.h"
#include "dialogs/NumberField.h"
#include "job/ClearJob.h"
#include "job/Defaults.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <ostream>

namespace {

// Types `keys` into the window as a user does, each key going to the widget with the focus:
// '\n' is Enter, '\b' Backspace, '\x1b' Escape, '\x7f' Delete; other characters are typed as they
// stand.
void Type(QWidget& window, const std::string& keys) {
    for (const char c : keys) {
        QWidget* target = QApplication::focusWidget();
        if (target == nullptr || target->window() != window.window())
            target = &window;
        switch (c) {
        case '\n':
            QTest::keyClick(target, Qt::Key_Return);
            break;
        case '\b':
            QTest::keyClick(target, Qt::Key_Backspace);
            break;
        case '\x1b':
            QTest::keyClick(target, Qt::Key_Escape);
            break;
        case '\x7f':
            QTest::keyClick(target, Qt::Key_Delete);
            break;
        default:
            QTest::keyClick(target, c);
        }
    }
}

// Shows the dialog and waits until it has the keyboard.
bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

struct TypedCase {
    double start;     // the field's value the calculator opens with
    const char* keys; // as Type() reads them
    const char* display;
    bool closed;   // the keys closed the calculator
    bool accepted; // ... with Use
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    for (const char* k = c.keys; *k != '\0'; ++k) {
        switch (*k) {
        case '\n':
            *os << "<Enter>";
            break;
        case '\b':
            *os << "<Backspace>";
            break;
        case '\x1b':
            *os << "<Escape>";
            break;
        case '\x7f':
            *os << "<Delete>";
            break;
        default:
            *os << *k;
        }
    }
}

class CalculatorKeys : public ::testing::TestWithParam<TypedCase> {
protected:
    void SetUp() override { EnsureApplication(); }
};

TEST_P(CalculatorKeys, TypedKeysWorkTheCalculator) {
    const TypedCase& c = GetParam();
    TCalculatorDialog calculator(c.start, nullptr);
    ASSERT_TRUE(ShowActive(calculator));
    Type(calculator, c.keys);
    EXPECT_EQ(calculator.display(), QLatin1String(c.display)) << c.keys;
    EXPECT_EQ(calculator.isHidden(), c.closed) << c.keys;
    if (c.closed) {
        EXPECT_EQ(calculator.result() == QDialog::Accepted, c.accepted) << c.keys;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calculator, CalculatorKeys,
    ::testing::Values(
        // Digits and operators, worked left to right; Enter or '=' gives the result.
        TypedCase{0, "1200*3+5\n", "3605", false, false}, TypedCase{0, "12+3=", "15", false, false},
        TypedCase{0, "100/8\n", "12.5", false, false},
        TypedCase{0, "7.5-10\n", "-2.5", false, false},
        TypedCase{0, "1,5*2\n", "3", false, false}, // a comma is the decimal point too
        // The field's value is where the calculator starts: an operation works on it, a digit
        // starts a new number, and Enter takes it as it is.
        TypedCase{40, "*2\n", "80", false, false},
        TypedCase{500, "1200*3+5\n", "3605", false, false}, TypedCase{500, "\n", "500", true, true},
        TypedCase{500, "\b", "500", false, false},
        // Backspace takes back the last key typed, down to 0; a result stays.
        TypedCase{0, "123\b", "12", false, false}, TypedCase{0, "12+34\b\b\n", "12", false, false},
        TypedCase{0, "7\b", "0", false, false}, TypedCase{0, "12+3\n\b", "15", false, false},
        // C and Delete clear; a division by zero shows E until cleared.
        TypedCase{0, "12+3c", "0", false, false}, TypedCase{0, "99\x7f", "0", false, false},
        TypedCase{0, "5/0\n", "E", false, false}, TypedCase{0, "5/0\n\n", "E", false, false},
        TypedCase{0, "5/0\nc4\n", "4", false, false},
        // Enter on the result takes it; Escape closes without it.
        TypedCase{0, "12+3\n\n", "15", true, true}, TypedCase{0, "12+3\x1b", "3", true, false}));

// F4 and Alt+Down in the field open the calculator, and what it works out fills the field.
struct OpenerCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* typed; // in the calculator
    const char* field; // the field's text after
};

class CalculatorOpener : public ::testing::TestWithParam<OpenerCase> {
protected:
    void SetUp() override { EnsureApplication(); }
};

TEST_P(CalculatorOpener, KeyInTheFieldOpensTheCalculator) {
    const OpenerCase& c = GetParam();
    CalcEdit edit(QStringLiteral("[#][#][#][#][#][#][#][#]"), 0, 90000000);
    edit.field()->setText(QStringLiteral("40"));
    ASSERT_TRUE(ShowActive(edit));
    edit.field()->setFocus();
    QString opened;
    ModalScript modal({[&](QDialog& d) {
        auto& calculator = dynamic_cast<TCalculatorDialog&>(d);
        opened = calculator.display();
        if (!ShowActive(d))
            return static_cast<int>(QDialog::Rejected);
        Type(d, c.typed);
        return d.result();
    }});
    QTest::keyClick(edit.field(), c.key, c.modifiers);
    EXPECT_EQ(modal.opened, std::vector<QString>{QStringLiteral("TCalculatorDialog")});
    EXPECT_EQ(opened, QStringLiteral("40"));
    EXPECT_EQ(edit.field()->text(), QLatin1String(c.field));
}

INSTANTIATE_TEST_SUITE_P(Calculator, CalculatorOpener,
                         ::testing::Values(OpenerCase{Qt::Key_F4, {}, "*3\n\n", "120"},
                                           OpenerCase{Qt::Key_Down, Qt::AltModifier, "+2\n\n",
                                                      "42"},
                                           OpenerCase{Qt::Key_F4, {}, "*3\x1b", "40"}));

// The name of the widget with the focus after pressing `key` (with `modifiers`) there.
QString FocusAfter(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName()
                                                  : QString();
}

// Tab from the Load field reaches the "..." opener before OK; Space on it opens the calculator.
TEST(CalculatorInTheDialog, OpenerFollowsLoadInTheTabOrder) {
    EnsureApplication();
    Job job;
    ClearJob(job, BuiltInDefaults());
    QStringList focus;
    ModalScript modal({[&](QDialog& d) {
                           if (!ShowActive(d))
                               return ClickCancel(d);
                           auto* load = d.findChild<QLineEdit*>(QStringLiteral("userLoad"));
                           EXPECT_NE(load, nullptr);
                           if (load == nullptr)
                               return ClickCancel(d);
                           load->setFocus();
                           load->setText(QStringLiteral("1200"));
                           focus << FocusAfter(Qt::Key_Tab) << FocusAfter(Qt::Key_Tab)
                                 << FocusAfter(Qt::Key_Tab, Qt::ShiftModifier);
                           QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                           return ClickOk(d);
                       },
                       [](QDialog& d) {
                           if (!ShowActive(d))
                               return static_cast<int>(QDialog::Rejected);
                           Type(d, "*3\n\n");
                           return d.result();
                       }});
    EXPECT_TRUE(RunUserLoadDialog(job.image, nullptr));
    EXPECT_EQ(focus, (QStringList{QStringLiteral("calculatorButton"), QStringLiteral("okButton"),
                                  QStringLiteral("calculatorButton")}));
    EXPECT_EQ(modal.unexpected, 0);
    EXPECT_EQ(modal.opened.size(), 2u);
    EXPECT_EQ(+job.image.userLoad.userLoad, 3600);
}

} // namespace
