#include "grid_test_support.h"
#include "tgedit.h"
#include "tgnumedit.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QVBoxLayout>

namespace {

constexpr int nameId = 1;
constexpr int quantityId = 2;
constexpr int noteId = 3;

struct GridTest : ::testing::Test {
    QApplication& application = TestApplication();
    MessageRecorder recorder;
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    TestGrid* grid = nullptr;
    TGEdit* name = nullptr;
    TGLongEdit* quantity = nullptr;
    TGEdit* note = nullptr;

    void Build(int maxLines, int style, TGEnterKey enter = ekNextColumn,
               TGTabKey tab = tkNextColumn) {
        grid = new TestGrid(window.get());
        grid->Init(maxLines, enter, tab, lmArrow, style, glTable);
        name = new TGEdit(nullptr, nameId);
        quantity = new TGLongEdit(nullptr, quantityId, 0, 4, 0, 10);
        note = new TGEdit(nullptr, noteId);
        grid->Add(name, "Name");
        grid->Add(quantity, "Qty", alRight);
        grid->Add(note, "Note");
        grid->resize(400, 200);
        window->resize(420, 220);
        ShowActive(*window);
    }

    void FillNames(int lines) {
        for (int line = 0; line < lines; ++line)
            grid->cells[{line, nameId}] = QByteArray("line ") + QByteArray::number(line);
    }

    QWidget* Focused() const { return QApplication::focusWidget(); }
};

TEST_F(GridTest, GrowingListAsksToAppendOnceAndGrows) {
    Build(0, gsVertScroll | gsTitleBar);
    grid->SetNLines(3);
    EXPECT_EQ(grid->CurrentLine(), -1) << "no current line before the first move";
    ASSERT_TRUE(grid->Go(7));
    EXPECT_EQ(grid->appendAsked, std::vector<int>{7});
    EXPECT_EQ(grid->NLines(), 8);
    EXPECT_EQ(grid->CurrentLine(), 7);

    grid->allowAppend = false;
    EXPECT_FALSE(grid->Go(12));
    EXPECT_EQ(grid->NLines(), 8);
    EXPECT_EQ(grid->CurrentLine(), 7);
}

TEST_F(GridTest, FixedListGoToLastLineShowsTheLastWindow) {
    Build(10, gsVertScroll | gsTitleBar | gsRowHeader);
    grid->SetVisibleLines(4);
    ASSERT_EQ(grid->VisibleLines(), 4);
    ASSERT_TRUE(grid->Go(0));
    ASSERT_TRUE(grid->Go(9));
    EXPECT_EQ(grid->TopLine(), 6);
    EXPECT_EQ(grid->CurrentRow(), 3);
    ASSERT_FALSE(grid->visibleChanges.empty());
    EXPECT_EQ(grid->visibleChanges.back(), std::make_pair(6, 9));
    // Beyond the end of a fixed list is the last line; nothing is appended.
    EXPECT_TRUE(grid->Go(25));
    EXPECT_EQ(grid->CurrentLine(), 9);
    EXPECT_TRUE(grid->appendAsked.empty());
    // Inside the window only the row changes.
    ASSERT_TRUE(grid->Go(7));
    EXPECT_EQ(grid->TopLine(), 6);
    EXPECT_EQ(grid->CurrentRow(), 1);
}

TEST_F(GridTest, MultipleSelectionExtendsBothWays) {
    Build(10, gsVertScroll | gsMultiSelect);
    EXPECT_TRUE(grid->SelectLine(2));
    EXPECT_TRUE(grid->SelectLine(5, slExtend));
    EXPECT_EQ(grid->GetSelectedLines(), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(grid->AnchorLine(), 5);
    EXPECT_TRUE(grid->SelectLine(0, slExtend));
    EXPECT_EQ(grid->GetSelectedLines(), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(grid->CountSelectedLines(), 6);
    const std::vector<std::pair<int, bool>> reported{{2, true}, {3, true}, {4, true},
                                                     {5, true}, {1, true}, {0, true}};
    EXPECT_EQ(grid->selectionChanges, reported);

    // Without flags the selection becomes the one line; adding toggles.
    grid->SelectLine(7);
    EXPECT_EQ(grid->GetSelectedLines(), std::vector<int>{7});
    grid->SelectLine(8, slAdd);
    grid->SelectLine(7, slAdd);
    EXPECT_EQ(grid->GetSelectedLines(), std::vector<int>{8});
    EXPECT_FALSE(grid->SelectLine(10)) << "no such line";
    grid->UnselectAllLines();
    EXPECT_EQ(grid->CountSelectedLines(), 0);
    EXPECT_EQ(grid->AnchorLine(), -1);
}

TEST_F(GridTest, SingleSelectionModes) {
    Build(5, gsSingleSelect);
    EXPECT_EQ(grid->SelectionMode(), 1);
    grid->SelectLine(1);
    grid->SelectLine(3);
    EXPECT_EQ(grid->GetSelectedLine(), 3);
    grid->SelectLine(3);
    EXPECT_EQ(grid->GetSelectedLine(), -1) << "selecting the selected line again unselects it";

    grid->Init(5, ekNextColumn, tkNextColumn, lmArrow, gsSingleSelect | gsMultiSelect, glTable);
    EXPECT_EQ(grid->SelectionMode(), 3);
    grid->Go(2);
    EXPECT_EQ(grid->GetSelectedLine(), 2) << "the selection follows the current line";
    grid->SelectLine(2);
    EXPECT_EQ(grid->GetSelectedLine(), 2);
}

TEST_F(GridTest, CtrlUpAndDownMoveLinesButNotPastTheEnds) {
    Build(3, gsVertScroll | gsMoveLines);
    FillNames(3);
    ASSERT_TRUE(grid->Go(0));
    ASSERT_EQ(Focused(), name);
    QTest::keyClick(name, Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentLine(), 0);
    EXPECT_EQ(grid->Text(0, nameId), "line 0");
    EXPECT_FALSE(grid->IsModified());

    QTest::keyClick(name, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ(grid->Text(0, nameId), "line 1");
    EXPECT_EQ(grid->Text(1, nameId), "line 0");
    EXPECT_EQ(name->text(), "line 0") << "the moved line stays current";
    EXPECT_TRUE(grid->IsModified());

    grid->Go(2);
    QTest::keyClick(Focused(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentLine(), 2);
    EXPECT_EQ(grid->Text(2, nameId), "line 2");
}

TEST_F(GridTest, CtrlUpWithoutTheMoveStyleJustMovesUp) {
    Build(3, gsVertScroll);
    FillNames(3);
    grid->Go(2);
    QTest::keyClick(Focused(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ(grid->Text(2, nameId), "line 2");
}

TEST_F(GridTest, ReadOnlyCellIsPaintedButNeverFocusedAndEmptyCellIsNotAsked) {
    Build(3, gsVertScroll | gsTitleBar);
    FillNames(3);
    grid->cells[{1, quantityId}] = TGLongEdit::ToData(7);
    grid->cellStates[{1, quantityId}] = 2;
    grid->cellStates[{1, noteId}] = 3;
    grid->cells[{1, noteId}] = "hidden";

    grid->Go(1);
    ASSERT_EQ(Focused(), name);
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_EQ(grid->CurrentLine(), 2) << "neither the read-only nor the empty cell takes focus";
    EXPECT_EQ(grid->CurrentColumn(), 0);

    grid->dataAsked.clear();
    (void)grid->grab();
    const auto asked = [&](int line, int id) {
        return std::count(grid->dataAsked.begin(), grid->dataAsked.end(),
                          std::make_pair(line, id)) > 0;
    };
    EXPECT_TRUE(asked(1, quantityId)) << "a read-only cell shows its text";
    EXPECT_FALSE(asked(1, noteId)) << "an empty cell shows nothing";
}

TEST_F(GridTest, TabAndEnterWalkColumnsThenLines) {
    Build(3, gsVertScroll, ekNextColumn, tkNextColumn);
    grid->Go(0);
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_EQ(Focused(), quantity);
    QTest::keyClick(quantity, Qt::Key_Return);
    EXPECT_EQ(Focused(), note);
    QTest::keyClick(note, Qt::Key_Tab);
    EXPECT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ(Focused(), name);
    QTest::keyClick(name, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid->CurrentLine(), 0);
    EXPECT_EQ(Focused(), note);
    QTest::keyClick(note, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(Focused(), name);
    QTest::keyClick(name, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(Focused(), note);
}

TEST_F(GridTest, EnterNextLineModeAndPageKeys) {
    Build(0, gsVertScroll, ekNextLine);
    grid->SetNLines(20);
    grid->SetVisibleLines(4);
    grid->Go(0);
    QTest::keyClick(name, Qt::Key_Tab);
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ(Focused(), name);
    QTest::keyClick(name, Qt::Key_PageDown);
    EXPECT_EQ(grid->CurrentLine(), 5);
    QTest::keyClick(name, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentLine(), 19);
    EXPECT_EQ(grid->TopLine(), 16) << "the last full window shows";
    QTest::keyClick(name, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(grid->CurrentLine(), 0);
    EXPECT_TRUE(grid->appendAsked.empty());
}

TEST_F(GridTest, TypedTextIsStoredWhenTheLineIsLeft) {
    Build(3, gsVertScroll);
    grid->Go(0);
    QTest::keyClicks(name, "Walk-in");
    QTest::keyClick(name, Qt::Key_Down);
    EXPECT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ(grid->Text(0, nameId), "Walk-in");
    EXPECT_TRUE(grid->IsModified());
    EXPECT_EQ(name->text(), "") << "line 1 has no name";

    grid->acceptData = false;
    QTest::keyClicks(name, "refused");
    QTest::keyClick(name, Qt::Key_Down);
    EXPECT_EQ(grid->CurrentLine(), 1) << "a refused cell keeps the line";
    EXPECT_EQ(grid->Text(1, nameId), "");
}

TEST_F(GridTest, InvalidTypedValueKeepsTheCellAndShowsTheRange) {
    Build(3, gsVertScroll);
    grid->Go(0);
    QTest::keyClick(name, Qt::Key_Tab);
    ASSERT_EQ(Focused(), quantity);
    quantity->selectAll();
    QTest::keyClicks(quantity, "11");
    QTest::keyClick(quantity, Qt::Key_Down);
    EXPECT_EQ(grid->CurrentLine(), 0);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].text, "Value must be between 0 and 10");
    EXPECT_TRUE((grid->cells[{0, quantityId}].isEmpty())) << "nothing was stored";

    quantity->selectAll();
    QTest::keyClicks(quantity, "9");
    QTest::keyClick(quantity, Qt::Key_Down);
    EXPECT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ(TGLongEdit::FromData(grid->cells[{0, quantityId}]), 9);
}

TEST_F(GridTest, CtrlInsertAndCtrlDeleteAskTheOwner) {
    Build(0, gsVertScroll);
    grid->SetNLines(2);
    FillNames(2);
    grid->Go(1);
    QTest::keyClick(name, Qt::Key_Insert);
    EXPECT_TRUE(grid->inserted.empty()) << "Insert alone is the edit's";
    QTest::keyClick(name, Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(grid->inserted, std::vector<int>{1});
    EXPECT_EQ(grid->NLines(), 3);
    QTest::keyClick(name, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(grid->deleted, std::vector<int>{1});
    EXPECT_TRUE(grid->IsModified());
}

TEST_F(GridTest, ShiftEnterTogglesTheCurrentLine) {
    Build(4, gsVertScroll | gsMultiSelect);
    grid->Go(2);
    QTest::keyClick(name, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(grid->LineSelected(2));
    QTest::keyClick(name, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_FALSE(grid->LineSelected(2));
}

TEST_F(GridTest, SwapLinesRefusesWhatItCannotSwap) {
    Build(3, gsVertScroll);
    FillNames(3);
    EXPECT_FALSE(grid->SwapLines(1, 1));
    EXPECT_FALSE(grid->SwapLines(-1, 1));
    EXPECT_FALSE(grid->SwapLines(0, 3));
    EXPECT_FALSE(grid->IsModified());
    EXPECT_TRUE(grid->SwapLines(0, 2));
    EXPECT_EQ(grid->Text(0, nameId), "line 2");
    EXPECT_EQ(grid->Text(2, nameId), "line 0");
}

TEST_F(GridTest, ClickMovesTheCurrentCell) {
    Build(5, gsVertScroll | gsTitleBar | gsRowHeader);
    FillNames(5);
    grid->Go(0);
    QWidget* client = name->parentWidget();
    const QPoint inNote(grid->Column(2).left + 5, grid->LineHeight() * 3 + 3);
    QTest::mouseClick(client, Qt::LeftButton, Qt::NoModifier, inNote);
    EXPECT_EQ(grid->CurrentLine(), 3);
    EXPECT_EQ(grid->CurrentColumn(), 2);
    EXPECT_EQ(Focused(), note);
    EXPECT_EQ(note->geometry().top(), grid->LineHeight() * 3);
}

TEST_F(GridTest, HiddenColumnIsSkipped) {
    Build(2, gsVertScroll);
    grid->HideColumn(quantityId);
    EXPECT_TRUE(grid->IsColumnHidden(quantityId));
    EXPECT_EQ(grid->Column(2).left, grid->Column(0).width);
    grid->Go(0);
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_EQ(Focused(), note);
    grid->UnHideColumn(quantityId);
    EXPECT_FALSE(grid->IsColumnHidden(quantityId));
}

} // namespace
