#include "DialogTestSupport.h"

#include "dialogs/BrowseList.h"
#include "dialogs/DateField.h"
#include "dialogs/NumberField.h"
#include "dialogs/PictureValidator.h"
#include "dialogs/Text1252.h"

#include <QCalendarWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

bool Takes(const QString& picture, QString text) {
    PictureValidator validator(picture);
    int pos = 0;
    return validator.validate(text, pos) == QValidator::Acceptable;
}

} // namespace

TEST(PictureValidator, SignedIntegerMask) {
    const QString mask = QStringLiteral("[-][#][#][#]");
    for (const char* ok : {"", "-", "-50", "0", "123", "-999"})
        EXPECT_TRUE(Takes(mask, QString::fromLatin1(ok))) << ok;
    for (const char* bad : {"1234", "--1", "1-", "a", "1.5", " 1"})
        EXPECT_FALSE(Takes(mask, QString::fromLatin1(bad))) << bad;
}

TEST(PictureValidator, RealMaskTakesAPointOnlyBeforeTheDecimals) {
    const QString mask = QStringLiteral("[#][#][#][.][#][#]");
    for (const char* ok : {"", "400.00", "12.", ".5", "7", "0.25"})
        EXPECT_TRUE(Takes(mask, QString::fromLatin1(ok))) << ok;
    for (const char* bad : {"1234", "1.234", "1.2.3", "-1", "12345"})
        EXPECT_FALSE(Takes(mask, QString::fromLatin1(bad))) << bad;
}

TEST(PictureValidator, UnsignedMaskRefusesMinus) {
    EXPECT_TRUE(Takes(QStringLiteral("[#][#][#]"), QStringLiteral("98")));
    EXPECT_FALSE(Takes(QStringLiteral("[#][#][#]"), QStringLiteral("-5")));
    EXPECT_TRUE(Takes(QStringLiteral("[#][#][#][#][#][#][#][#]"), QStringLiteral("12345678")));
    EXPECT_FALSE(Takes(QStringLiteral("[#][#][#][#][#][#][#][#]"), QStringLiteral("123456789")));
}

TEST(PictureValidator, DigitsAreAsciiOnlyBecauseTheFieldReadsOnlyThose) {
    // Arabic-Indic, full-width and Devanagari digits would pass a Unicode "digit" class but
    // QString::toDouble cannot read them, so the field would silently hold 0.
    for (const char16_t* digit : {u"\u0661", u"\uFF11", u"\u0967"})
        EXPECT_FALSE(Takes(QStringLiteral("[#][#][#]"), QString::fromUtf16(digit)));
}

TEST(PictureValidator, LiteralsAndInnerMinusFollowTheirPlaceInThePicture) {
    // A literal left out leaves out everything after it; a minus past the first place is a
    // literal like any other.
    const QString time = QStringLiteral("[#][:][#][#]");
    for (const char* ok : {"1:30", "1:", ":3", "1"})
        EXPECT_TRUE(Takes(time, QString::fromLatin1(ok))) << ok;
    for (const char* bad : {"130", "1:3:", "::"})
        EXPECT_FALSE(Takes(time, QString::fromLatin1(bad))) << bad;
    EXPECT_TRUE(Takes(QStringLiteral("[#][-][#]"), QStringLiteral("1-2")));
    EXPECT_FALSE(Takes(QStringLiteral("[#][-][#]"), QStringLiteral("-12")));
    // Brackets that hold more than one character are no element at all.
    EXPECT_TRUE(Takes(QStringLiteral("[##][#]"), QStringLiteral("7")));
    EXPECT_FALSE(Takes(QStringLiteral("[##][#]"), QStringLiteral("77")));
    // Characters with a meaning in regular expressions stay literals.
    EXPECT_TRUE(Takes(QStringLiteral("[#][*][#]"), QStringLiteral("2*3")));
    EXPECT_FALSE(Takes(QStringLiteral("[#][*][#]"), QStringLiteral("2**3")));
}

TEST(PictureValidator, EveryAcceptedTextCanBeTypedOneCharacterAtATime) {
    const QString mask = QStringLiteral("[-][#][#][#][.][#][#]");
    const QString full = QStringLiteral("-123.45");
    for (qsizetype length = 0; length <= full.size(); ++length)
        EXPECT_TRUE(Takes(mask, full.left(length))) << length;
}

TEST(NumberField, RangeCheckRefusesWithMessageAndFocus) {
    EnsureApplication();
    QDialog dialog;
    auto* inRange = new IntField(QStringLiteral("[#][#][#]"), 1, 96, &dialog);
    auto* temp = new IntField(QStringLiteral("[-][#][#][#]"), -50, 60, &dialog);
    inRange->setText(QStringLiteral("18"));
    temp->setText(QStringLiteral("61"));
    MessageScript messages;
    EXPECT_FALSE(CheckFieldRanges(&dialog, {inRange, temp}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Value not in range -50..60"));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Quelbox"));
    EXPECT_EQ(dialog.focusWidget(), temp);

    temp->setText(QStringLiteral("-50"));
    EXPECT_TRUE(CheckFieldRanges(&dialog, {inRange, temp}));
    EXPECT_EQ(temp->intValue(), -50);
}

TEST(NumberField, EmptyOrSignOnlyCountsAsZero) {
    EnsureApplication();
    RealField field(QStringLiteral("[#][#][#][.][#][#]"), 1, 400);
    field.setText(QString());
    EXPECT_EQ(field.value(), 0.0);
    EXPECT_FALSE(field.inRange());
    EXPECT_EQ(field.rangeMessage(), QStringLiteral("Value not in range 1..400"));
    field.setRange(0, 400);
    EXPECT_TRUE(field.inRange());
    field.setValue(12.5);
    EXPECT_EQ(field.text(), QStringLiteral("12.50"));
    IntField sign(QStringLiteral("[-][#][#][#]"), -50, 60);
    sign.setText(QStringLiteral("-"));
    EXPECT_EQ(sign.intValue(), 0);
}

TEST(DateField, ParsesOnlyCalendarDatesFromTheGregorianStart) {
    EXPECT_EQ(DateField::Parse("02/29/2024"), QDate(2024, 2, 29));
    EXPECT_FALSE(DateField::Parse("02/30/2024"));
    EXPECT_FALSE(DateField::Parse("09/13/1752"));
    EXPECT_EQ(DateField::Parse("09/14/1752"), QDate(1752, 9, 14));
    EXPECT_FALSE(DateField::Parse(""));
    EXPECT_EQ(DateField::Format(QDate(2024, 3, 7)), "03/07/2024");
}

TEST(DateField, EmptyFieldHasNoDate) {
    EnsureApplication();
    DateField field;
    EXPECT_FALSE(field.date());
    field.setDate(QDate(2023, 12, 31));
    EXPECT_EQ(field.date(), QDate(2023, 12, 31));
    field.clear();
    EXPECT_FALSE(field.date());
}

namespace {

// What the user sees in a field: a line edit's text, or the text of the line edit inside it.
QString Shown(QWidget* field) {
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (edit == nullptr)
        edit = field->findChild<QLineEdit*>();
    return edit == nullptr ? QString() : edit->displayText();
}

// A window with the field and a second field to tab to.
class FieldWindow {
public:
    explicit FieldWindow(QWidget* field) : field_(field) {
        auto* layout = new QVBoxLayout(&window_);
        field->setParent(&window_);
        layout->addWidget(field);
        layout->addWidget(new QLineEdit(&window_));
        window_.show();
        window_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
    }
    // Replaces everything in the field: select all, then type, paste or delete, then Tab away.
    void typeOverAll(const QString& keys) {
        selectAll();
        QTest::keyClicks(field_, keys);
        leave();
    }
    void pasteOverAll(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        selectAll();
        QTest::keyClick(field_, Qt::Key_V, Qt::ControlModifier);
        leave();
    }
    void deleteAll(Qt::Key key) {
        selectAll();
        QTest::keyClick(field_, key);
        leave();
    }

private:
    void selectAll() {
        field_->setFocus();
        QTest::keyClick(field_, Qt::Key_A, Qt::ControlModifier);
    }
    void leave() { QTest::keyClick(field_, Qt::Key_Tab); }

    QWidget window_;
    QWidget* field_;
};

} // namespace

TEST(DateField, TypingPastingOrDeletingOverASelectionGivesWhatItShows) {
    EnsureApplication();
    auto* field = new DateField;
    FieldWindow window(field);
    field->setDate(QDate(2026, 1, 15));
    window.typeOverAll(QStringLiteral("03/04/2027"));
    EXPECT_EQ(Shown(field), QStringLiteral("03/04/2027"));
    EXPECT_EQ(field->date(), QDate(2027, 3, 4));
    window.typeOverAll(QStringLiteral("3/4/2027")); // one-digit parts show in full after
    EXPECT_EQ(field->date(), QDate(2027, 3, 4));
    EXPECT_EQ(Shown(field), QStringLiteral("03/04/2027"));
    window.typeOverAll(QStringLiteral("11302026")); // the separators come by themselves
    EXPECT_EQ(Shown(field), QStringLiteral("11/30/2026"));
    EXPECT_EQ(field->date(), QDate(2026, 11, 30));
    window.pasteOverAll(QStringLiteral("12/25/2028"));
    EXPECT_EQ(Shown(field), QStringLiteral("12/25/2028"));
    EXPECT_EQ(field->date(), QDate(2028, 12, 25));
    window.deleteAll(Qt::Key_Delete);
    EXPECT_EQ(Shown(field).remove(u'/').trimmed(), QString());
    EXPECT_FALSE(field->date());
    field->setDate(QDate(2026, 1, 15));
    window.deleteAll(Qt::Key_Backspace);
    EXPECT_FALSE(field->date());
}

TEST(DateField, TheDropDownCalendarFillsTheField) {
    EnsureApplication();
    auto* field = new DateField;
    FieldWindow window(field);
    field->setDate(QDate(2026, 1, 15));
    field->showCalendar();
    QCalendarWidget* calendar = field->calendar();
    ASSERT_TRUE(calendar->isVisible());
    EXPECT_EQ(calendar->selectedDate(), QDate(2026, 1, 15));
    QWidget* days = calendar->findChild<QTableView*>();
    ASSERT_NE(days, nullptr);
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_FALSE(calendar->isVisible());
    EXPECT_EQ(field->date(), QDate(2026, 1, 16));
    EXPECT_EQ(Shown(field), QStringLiteral("01/16/2026"));
}

TEST(NumberField, TypingPastingOrDeletingOverASelectionGivesWhatItShows) {
    EnsureApplication();
    auto* field = new RealField(QStringLiteral("[#][#][#][.][#][#]"), 0, 400);
    FieldWindow window(field);
    field->setValue(12.5);
    window.typeOverAll(QStringLiteral("7.25"));
    EXPECT_EQ(Shown(field), QStringLiteral("7.25"));
    EXPECT_EQ(field->value(), 7.25);
    window.pasteOverAll(QStringLiteral("310.5"));
    EXPECT_EQ(Shown(field), QStringLiteral("310.5"));
    EXPECT_EQ(field->value(), 310.5);
    window.pasteOverAll(QStringLiteral("12345")); // more than the picture takes: refused whole
    EXPECT_EQ(Shown(field), QStringLiteral("310.5"));
    EXPECT_EQ(field->value(), 310.5);
    window.deleteAll(Qt::Key_Backspace);
    EXPECT_EQ(Shown(field), QString());
    EXPECT_EQ(field->value(), 0.0);
}

TEST(BrowseList, KeepsRowsAndReportsTheChosenRow) {
    EnsureApplication();
    BrowseList list(QStringLiteral("Insulation"),
                    {{QStringLiteral("Name"), 26}, {QStringLiteral("Factor"), 8}});
    list.setRows({{QStringLiteral("A"), QStringLiteral("0.20 K")},
                  {QStringLiteral("B"), QStringLiteral("0.04 U")}});
    int chosen = -1;
    list.onRowChosen([&chosen](int row) { chosen = row; });
    EXPECT_EQ(list.rowCount(), 2);
    list.setCurrentRow(5); // clamped to the last row
    EXPECT_EQ(list.currentRow(), 1);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(list.row(1), (QStringList{QStringLiteral("B"), QStringLiteral("0.04 U")}));
}

TEST(Text1252, ConvertsBothWays) {
    const std::string bytes = "Caf\xe9 \x80 \x93ok\x94";
    const QString text = From1252(bytes);
    EXPECT_EQ(text, QString::fromUtf8("Café € “ok”"));
    EXPECT_EQ(To1252(text), bytes);
    EXPECT_EQ(To1252(QString::fromUtf8("日本")), "??");
}
