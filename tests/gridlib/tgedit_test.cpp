#include "grid_test_support.h"
#include "intl_environment.h"
#include "language.h"
#include "tgdateedit.h"
#include "tgnumedit.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QTest>

namespace {

// Typed edits as ordinary dialog fields: the edit under test and a second field to move to.
struct EditTest : ::testing::Test {
    QApplication& application = TestApplication();
    IntlEnvironment environment;
    MessageRecorder recorder;
    std::unique_ptr<QDialog> dialog = std::make_unique<QDialog>();
    QLineEdit* other = new QLineEdit(dialog.get());

    template <typename Edit> Edit* Place(Edit* edit) {
        edit->setGeometry(10, 10, 120, 24);
        other->setGeometry(10, 50, 120, 24);
        ShowActive(*dialog);
        edit->setFocus();
        return edit;
    }

    // Replaces the edit's text by typing, then tabs away.
    void TypeAndLeave(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
};

TEST_F(EditTest, LongEditChecksItsRangeWithTheLanguageMessage) {
    auto* edit = Place(new TGLongEdit(dialog.get(), 1, 5, 6, 1, 10));
    for (const char* good : {"1", "10"}) {
        edit->setText(good);
        EXPECT_TRUE(edit->IsValid(true)) << good;
    }
    for (const char* bad : {"0", "11"}) {
        edit->setText(bad);
        EXPECT_FALSE(edit->IsValid(true)) << bad;
    }
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[0].title, "Invalid range");
    EXPECT_EQ(recorder.messages[0].text, "Value must be between 1 and 10");

    TypeAndLeave(edit, "12");
    EXPECT_EQ(QApplication::focusWidget(), edit) << "an invalid value keeps the focus";
    TypeAndLeave(edit, "7");
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_EQ(static_cast<int32_t>(*edit), 7);

    edit->setText({});
    QTest::keyClicks(edit, "4a.");
    EXPECT_EQ(edit->text(), "4") << "only digits and signs can be typed";
}

TEST_F(EditTest, RangeMessageFollowsTheCurrentLanguage) {
    auto* edit = Place(new TGShortEdit(dialog.get(), 1, 0, 6, -5, 5));
    GetLanguage().SetCurrentLanguage(idGerman);
    edit->setText("6");
    EXPECT_FALSE(edit->IsValid(true));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, "Unzulässige Nummer");
    EXPECT_EQ(recorder.messages[0].text, "Nummer muß zwischen -5 und 5 liegen!");
}

// blankNull is one flag per edit class; every test leaves them unset.
struct BlankNullReset {
    ~BlankNullReset() {
        TGShortEdit(nullptr, 0, 0, 0, 0, 0).SetBlankNull(false);
        TGLongEdit(nullptr, 0, 0, 0, 0, 0).SetBlankNull(false);
        TGDoubleEdit(nullptr, 0, 0, 0, 0, 0, 0).SetBlankNull(false);
    }
};

TEST_F(EditTest, RangeMessageWritesItsBoundsAsNumbersEvenWithBlankNull) {
    const BlankNullReset reset;
    auto* whole = Place(new TGLongEdit(dialog.get(), 1, 5, 6, 0, 10));
    auto* decimal = new TGDoubleEdit(dialog.get(), 2, 1, 6, 1, 0, 2.5);
    auto* small = new TGShortEdit(dialog.get(), 3, -1, 6, -5, 0);
    whole->SetBlankNull(true);
    decimal->SetBlankNull(true);
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{whole, decimal, small})
        edit->setText("11");
    EXPECT_FALSE(whole->IsValid(true));
    EXPECT_FALSE(decimal->IsValid(true));
    EXPECT_FALSE(small->IsValid(true));
    ASSERT_EQ(recorder.messages.size(), 3u);
    // A bound of 0 written as the blank it shows in the cell would leave the message unreadable.
    EXPECT_EQ(recorder.messages[0].text, "Value must be between 0 and 10");
    EXPECT_EQ(recorder.messages[1].text, "Value must be between 0.0 and 2.5");
    EXPECT_EQ(recorder.messages[2].text, "Value must be between -5 and 0");
}

TEST_F(EditTest, DoubleEditShowsItsDecimalsAfterLeaving) {
    auto* edit = Place(new TGDoubleEdit(dialog.get(), 1, 0, 10, 2, 0, 1000));
    TypeAndLeave(edit, "3.5");
    EXPECT_EQ(edit->text(), "3.50");
    EXPECT_DOUBLE_EQ(edit->Value(), 3.5);
    EXPECT_TRUE(edit->isModified()) << "rewriting the text keeps the modified mark";

    TypeAndLeave(edit, "1001");
    EXPECT_EQ(recorder.messages.back().text, "Value must be between 0.00 and 1000.00");
}

TEST_F(EditTest, BlankNullShowsZeroAsEmpty) {
    auto* edit = Place(new TGDoubleEdit(dialog.get(), 1, 0, 10, 2, 0, 100));
    EXPECT_EQ(edit->text(), "0.00");
    edit->SetBlankNull(true);
    *edit = 0.0;
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(edit->DataText(TGDoubleEdit::ToData(0)), "");
    EXPECT_EQ(edit->DataText(TGDoubleEdit::ToData(2.25)), "2.25");
    EXPECT_DOUBLE_EQ(edit->Value(), 0.0) << "empty text reads as 0";
    edit->SetBlankNull(false);
    EXPECT_EQ(edit->DataText(TGDoubleEdit::ToData(0)), "0.00");
}

TEST_F(EditTest, TransferSizesAndDamagedData) {
    TGShortEdit shortEdit(nullptr, 1, 0, 6, -100, 100);
    TGLongEdit longEdit(nullptr, 2, 0, 12, 0, 100);
    TGDoubleEdit doubleEdit(nullptr, 3, 0, 6, 1, 0, 100);
    TGDateEdit dateEdit(nullptr, 4, "dd/mm/yyyy");
    TGTimeEdit timeEdit(nullptr, 5);
    TGDateTimeEdit dateTimeEdit(nullptr, 6, "dd/mm/yyyy");
    EXPECT_EQ(shortEdit.GetData().size(), 2);
    EXPECT_EQ(longEdit.GetData().size(), 4);
    EXPECT_EQ(doubleEdit.GetData().size(), 8);
    EXPECT_EQ(dateEdit.GetData().size(), 8);
    EXPECT_EQ(timeEdit.GetData().size(), 18);
    EXPECT_EQ(dateTimeEdit.GetData().size(), 26);

    dateEdit.SetData(TGDateEdit::ToData(IntlDate(25, 12, 1998)));
    EXPECT_EQ(dateEdit.text(), "25/12/1998");
    EXPECT_EQ(dateEdit.Value(), IntlDate(25, 12, 1998));
    timeEdit.SetData(TGTimeEdit::ToData(TGTime(3723.0)));
    EXPECT_EQ(timeEdit.text(), "01:02:03");
    // A negative time keeps its sign through the cell data, however it was made.
    for (const TGTime& negative : {TGTime(-3723.0), TGTime(-1, 2, 3, 0)}) {
        const TGTime back = TGTimeEdit::FromData(TGTimeEdit::ToData(negative));
        EXPECT_EQ(back.Sign(), -1);
        EXPECT_EQ(back.Value(), -3723.0);
        EXPECT_EQ(back.Hours(), 1);
    }
    dateTimeEdit.SetData(TGDateTimeEdit::ToData(IntlDate(1, 5, 1998), TGTime(1, 2, 3, 0)));
    EXPECT_EQ(dateTimeEdit.text(), "01/05/1998 01:02:03");
    EXPECT_EQ(dateTimeEdit.Date(), IntlDate(1, 5, 1998));
    EXPECT_EQ(dateTimeEdit.Time(), TGTime(1, 2, 3, 0));

    // Short or inconsistent data give the empty value, never garbage.
    longEdit.SetData(QByteArray("\x01\x02", 2));
    EXPECT_EQ(longEdit.Value(), 0);
    QByteArray badDate = TGDateEdit::ToData(IntlDate(25, 12, 1998));
    badDate[0] = 40; // day 40 with the day number of 25 December
    EXPECT_TRUE(TGDateEdit::FromData(badDate).IsNull());
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(TGDoubleEdit::FromData(TGDoubleEdit::ToData(notANumber)), 0.0);
    longEdit.setText("99999999999");
    EXPECT_EQ(longEdit.Value(), std::numeric_limits<int32_t>::max());
    EXPECT_FALSE(longEdit.IsValid(false));
}

TEST_F(EditTest, DatePictureIsNormalised) {
    auto* edit = Place(new TGDateEdit(dialog.get(), 1, "d/m/yy"));
    EXPECT_EQ(edit->Picture(), "dd/mm/yy");
    EXPECT_EQ(edit->maxLength(), 8);
    edit->SetFilter({}, {}, "dddd, 'day' D MMMMM yyy \\d");
    EXPECT_EQ(edit->Picture(), "ddd, 'day' DD MMM yyyy \\d");

    edit->SetFilter({}, {}, "d/m/yy");
    TypeAndLeave(edit, "5/1/98");
    EXPECT_EQ(edit->Value(), IntlDate(5, 1, 1998));
    EXPECT_EQ(edit->text(), "05/01/98") << "rewritten under the picture on leaving";
}

TEST_F(EditTest, RequiredDateLeftEmptyAsksForADate) {
    auto* edit = Place(new TGDateEdit(dialog.get(), 1, "dd/mm/yy", {}, {}, true));
    TypeAndLeave(edit, "");
    EXPECT_EQ(QApplication::focusWidget(), edit);
    EXPECT_EQ(edit->ErrorState(), TGFieldError::Missing);
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages.back().title, "Date");
    EXPECT_EQ(recorder.messages.back().text, "You must type a date!");

    TypeAndLeave(edit, "31/02/98");
    EXPECT_EQ(edit->ErrorState(), TGFieldError::Incorrect);
    EXPECT_EQ(recorder.messages.back().text, "Incorrect date!");
}

TEST_F(EditTest, DateAfterTheMaximumShowsBothEndsUnderThePicture) {
    auto* edit = Place(
        new TGDateEdit(dialog.get(), 1, "dd/mm/yy", IntlDate(1, 1, 1998), IntlDate(31, 12, 1998)));
    TypeAndLeave(edit, "01/01/99");
    EXPECT_EQ(edit->ErrorState(), TGFieldError::OutOfRange);
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages.back().text, "This date must be between 01/01/98 and 31/12/98!");
    TypeAndLeave(edit, "31/12/98");
    EXPECT_EQ(QApplication::focusWidget(), other);
}

TEST_F(EditTest, F2PutsTodayInADateEdit) {
    auto* edit = Place(new TGDateEdit(dialog.get(), 1, "dd/mm/yyyy"));
    QTest::keyClick(edit, Qt::Key_F2);
    EXPECT_EQ(edit->Value(), IntlDate(DateConstant::Today));
    EXPECT_TRUE(edit->isModified());
}

TEST_F(EditTest, TimeEditMessages) {
    auto* edit =
        Place(new TGTimeEdit(dialog.get(), 1, "HH:MM", TGTime(8, 0, 0, 0), TGTime(17, 30, 0, 0)));
    TypeAndLeave(edit, "18:00");
    EXPECT_EQ(edit->ErrorState(), TGFieldError::OutOfRange);
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages.back().title, "Time");
    EXPECT_EQ(recorder.messages.back().text, "This time must be between 08:00 and 17:30!");
    TypeAndLeave(edit, "9:5");
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_EQ(edit->text(), "09:05");
}

// A negative span keeps its sign through the edit's text, its value and its cell data, under
// every kind of picture.
TEST_F(EditTest, TimeEditKeepsTheSignOfANegativeSpan) {
    auto* edit = Place(new TGTimeEdit(dialog.get(), 1));
    const std::vector<std::pair<QString, QString>> pictures{{"HH:MM:SS", "-01:30:00"},
                                                            {"H:MM", "-1:30"},
                                                            {"MMM:SS", "-090:00"},
                                                            {"SSSSS", "-05400"},
                                                            {"H.hh", "-1.50"},
                                                            {"MMM.m", "-090.0"},
                                                            {"HH:MM:SS.sss", "-01:30:00.000"}};
    for (const auto& [picture, shown] : pictures) {
        SCOPED_TRACE(picture.toStdString());
        edit->SetFilter({}, {}, picture);
        edit->SetData(TGTimeEdit::ToData(TGTime(-5400.0)));
        EXPECT_EQ(edit->text(), shown);
        EXPECT_EQ(TGTimeEdit::FromData(edit->GetData()).Value(), -5400.0);
        EXPECT_EQ(edit->Value().Value(), -5400.0);
        EXPECT_EQ(edit->DataText(TGTimeEdit::ToData(TGTime(-5400.0))), shown) << "painted cell";
        *edit = TGTime(-3600.0);
        EXPECT_EQ(edit->Value().Value(), -3600.0);
        EXPECT_EQ(edit->DataText(TGTimeEdit::ToData(TGTime(5400.0))), shown.mid(1));
    }
    edit->SetFilter({}, {}, "H:MM");
    TypeAndLeave(edit, "-0:45");
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_EQ(edit->text(), "-0:45");
    EXPECT_EQ(edit->Value().Value(), -2700.0);
}

// A date range with one bound names that bound alone, in every language.
TEST_F(EditTest, DateRangeWithOneBoundNamesThatBound) {
    auto* edit = Place(new TGDateEdit(dialog.get(), 1, "dd/mm/yy", {}, IntlDate(31, 12, 1998)));
    TypeAndLeave(edit, "01/01/99");
    EXPECT_EQ(edit->ErrorState(), TGFieldError::OutOfRange);
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages.back().text, "This date must not be after 31/12/98!");
    edit->SetFilter(IntlDate(1, 1, 1998), {}, "dd/mm/yy");
    TypeAndLeave(edit, "31/12/97");
    EXPECT_EQ(recorder.messages.back().text, "This date must not be before 01/01/98!");

    for (const int32_t language :
         {idEnglish, idDutch, idFrench, idGerman, idItalian, idPortuguese, idSpanish}) {
        SCOPED_TRACE(language);
        GetLanguage().SetCurrentLanguage(language);
        for (const bool maximum : {true, false}) {
            const IntlDate bound(maximum ? IntlDate(31, 12, 1998) : IntlDate(1, 1, 1998));
            edit->SetFilter(maximum ? IntlDate() : bound, maximum ? bound : IntlDate(), "dd/mm/yy");
            recorder.messages.clear();
            edit->setText(maximum ? "01/01/99" : "31/12/97");
            EXPECT_FALSE(edit->IsValid(true));
            ASSERT_EQ(recorder.messages.size(), 1u);
            const QString text = recorder.messages[0].text;
            EXPECT_FALSE(recorder.messages[0].title.isEmpty());
            EXPECT_TRUE(text.contains(maximum ? "31/12/98" : "01/01/98")) << text.toStdString();
            EXPECT_FALSE(text.contains("%s") || text.contains("  ") || text.contains(" ,"))
                << text.toStdString();
        }
    }
}

// The date-and-time edit writes a bound with its time, and a missing bound not at all.
TEST_F(EditTest, DateTimeRangeWithOneBoundNamesThatBound) {
    auto* edit = Place(new TGDateTimeEdit(dialog.get(), 1, "dd/mm/yy", "HH:MM"));
    edit->SetRange({}, {}, IntlDate(31, 12, 1998), TGTime(17, 30, 0, 0));
    TypeAndLeave(edit, "31/12/98 18:00");
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages.back().text, "This date must not be after 31/12/98 17:30!");
}

// A time range from 0 writes its lower bound as the zero time; a negative bound keeps its sign.
TEST_F(EditTest, TimeRangeMessagesWriteEveryBound) {
    auto* edit = Place(new TGTimeEdit(dialog.get(), 1, "HH:MM", {}, TGTime(2, 0, 0, 0)));
    TypeAndLeave(edit, "03:00");
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages.back().text, "This time must be between 00:00 and 02:00!");
    edit->SetFilter(TGTime(-1, 0, 0, 0), TGTime(1, 0, 0, 0), "HH:MM");
    TypeAndLeave(edit, "-02:00");
    EXPECT_EQ(recorder.messages.back().text, "This time must be between -01:00 and 01:00!");
    edit->SetFilter({}, TGTime(2, 0, 0, 0), "HH:MM");

    for (const int32_t language :
         {idEnglish, idDutch, idFrench, idGerman, idItalian, idPortuguese, idSpanish}) {
        SCOPED_TRACE(language);
        GetLanguage().SetCurrentLanguage(language);
        recorder.messages.clear();
        edit->setText("03:00");
        EXPECT_FALSE(edit->IsValid(true));
        ASSERT_EQ(recorder.messages.size(), 1u);
        const QString text = recorder.messages[0].text;
        EXPECT_FALSE(recorder.messages[0].title.isEmpty());
        EXPECT_TRUE(text.contains("00:00") && text.contains("02:00")) << text.toStdString();
    }
}

// Italian has no time strings of its own: its time messages are English's, never blank.
TEST_F(EditTest, ItalianTimeMessagesFallBackToEnglish) {
    auto* edit =
        Place(new TGTimeEdit(dialog.get(), 1, "HH:MM", TGTime(8, 0, 0, 0), TGTime(17, 30, 0, 0)));
    GetLanguage().SetCurrentLanguage(idItalian);
    TypeAndLeave(edit, "18:00");
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].title, "Time");
    EXPECT_EQ(recorder.messages[0].text, "This time must be between 08:00 and 17:30!");
    edit->setText("12:ab");
    EXPECT_FALSE(edit->IsValid(true));
    EXPECT_EQ(recorder.messages.back().title, "Time");
    EXPECT_EQ(recorder.messages.back().text, "Ora sbagliata!") << "Italian's own string stays";
}

// The text limit holds the user's typing; a value the program writes is written whole.
TEST_F(EditTest, ValuesTheProgramWritesAreNotCutToTheTextLimit) {
    auto* whole = Place(new TGLongEdit(dialog.get(), 1, 0, 3, 0, 99999));
    whole->SetValue(12345);
    EXPECT_EQ(whole->text(), "12345");
    EXPECT_EQ(whole->Value(), 12345);
    whole->SetData(TGLongEdit::ToData(98765));
    EXPECT_EQ(TGLongEdit::FromData(whole->GetData()), 98765);
    *whole = 54321;
    EXPECT_EQ(static_cast<int32_t>(*whole), 54321);
    whole->setText("11111");
    EXPECT_EQ(whole->Value(), 11111);
    EXPECT_EQ(TGLongEdit(nullptr, 2, 12345, 3, 0, 99999).Value(), 12345) << "initial value";

    // Typing stays within the limit; a longer value the program wrote may be corrected in place
    // (but not made longer).
    whole->SetValue(5);
    TypeAndLeave(whole, "98765");
    EXPECT_EQ(whole->text(), "987");
    whole->SetValue(12345);
    whole->setFocus();
    whole->end(false);
    QTest::keyClick(whole, Qt::Key_Backspace);
    QTest::keyClicks(whole, "67");
    EXPECT_EQ(whole->text(), "12346");

    TGShortEdit small(nullptr, 3, 0, 2, 0, 30000);
    small.SetValue(12345);
    EXPECT_EQ(small.Value(), 12345);
    small.SetData(TGShortEdit::ToData(23456));
    EXPECT_EQ(TGShortEdit::FromData(small.GetData()), 23456);

    TGDoubleEdit decimal(nullptr, 4, 0, 3, 2, 0, 1000);
    decimal.SetValue(123.456);
    EXPECT_EQ(decimal.text(), "123.46");
    decimal.SetData(TGDoubleEdit::ToData(987.5));
    EXPECT_DOUBLE_EQ(TGDoubleEdit::FromData(decimal.GetData()), 987.5);

    TGEdit text(nullptr, 5, "initial text", 4);
    EXPECT_EQ(text.text(), "initial text");
    text = QString("abcdef");
    EXPECT_EQ(text.text(), "abcdef");
    text.SetData("ghijkl");
    EXPECT_EQ(text.GetData(), "ghijkl");

    TGDateEdit date(nullptr, 6, "dd/mm/yy");
    date.SetValue(IntlDate(9, 3, 1998));
    EXPECT_EQ(date.text(), "09/03/98");
    date.SetFilter({}, {}, "dd/mm/yyyy");
    date.SetValue(IntlDate(9, 3, 12345));
    EXPECT_EQ(date.text(), "09/03/12345") << "a five-digit year is not cut to the picture";
}

// A double edit's text rewritten with its decimals on leaving is not cut to the limit either.
TEST_F(EditTest, DecimalsWrittenOnLeavingAreNotCut) {
    auto* edit = Place(new TGDoubleEdit(dialog.get(), 1, 0, 3, 2, 0, 10));
    TypeAndLeave(edit, "3.5");
    EXPECT_EQ(edit->text(), "3.50");
    EXPECT_DOUBLE_EQ(edit->Value(), 3.5);
}

TEST_F(EditTest, EscapeInAGridOfADialogCancelsTheDialog) {
    auto* grid = new TestGrid(dialog.get());
    grid->Init(2, ekNextColumn, tkNextColumn, lmArrow, gsVertScroll, glTable);
    auto* edit = new TGLongEdit(nullptr, 1, 0, 4, 1, 10);
    grid->Add(edit, "Qty");
    grid->resize(200, 100);
    ShowActive(*dialog);
    grid->Go(0);
    ASSERT_EQ(QApplication::focusWidget(), edit);
    QTest::keyClicks(edit, "55");
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(edit->Validator(), nullptr);
    EXPECT_TRUE(recorder.messages.empty());
}

} // namespace
