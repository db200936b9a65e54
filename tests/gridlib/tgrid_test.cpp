#include "grid_test_support.h"
#include "tgdateedit.h"
#include "tgedit.h"
#include "tgnumedit.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <climits>

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

    QWidget* Client() const { return name->parentWidget(); }
    // The column titles above the cells.
    QWidget* TitleBar() const { return grid->childAt(Client()->x() + 5, 2); }

    // Drags, in the title bar, from the given point by 1 pixel at a time.
    void DragTitleBar(QPoint from, int steps) {
        QWidget* titleBar = TitleBar();
        QTest::mousePress(titleBar, Qt::LeftButton, Qt::NoModifier, from);
        for (int step = 1; step <= steps; ++step)
            QTest::mouseMove(titleBar, from + QPoint(step, 0));
        QTest::mouseRelease(titleBar, Qt::LeftButton, Qt::NoModifier, from + QPoint(steps, 0));
    }
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

TEST_F(GridTest, LeftAndRightMoveTheCaretInAnEditAndTheColumnElsewhere) {
    Build(3, gsVertScroll);
    auto* done = new QCheckBox;
    done->setProperty(controlIdProperty, 4);
    grid->Add(done, "Done");
    grid->Go(0);
    ASSERT_EQ(Focused(), name);
    QTest::keyClicks(name, "abc");
    QTest::keyClick(name, Qt::Key_Left);
    EXPECT_EQ(Focused(), name);
    EXPECT_EQ(name->cursorPosition(), 2) << "the caret moved inside the cell";
    QTest::keyClick(name, Qt::Key_Left);
    QTest::keyClick(name, Qt::Key_Right);
    EXPECT_EQ(name->cursorPosition(), 2);
    QTest::keyClick(name, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(name->cursorPosition(), 0);
    EXPECT_EQ(grid->CurrentColumn(), 0);

    // A check box has no caret: there Left and Right move between the columns.
    ASSERT_TRUE(grid->GotoLastColumn());
    ASSERT_EQ(Focused(), done);
    QTest::keyClick(done, Qt::Key_Left);
    EXPECT_EQ(Focused(), note);
    EXPECT_EQ(grid->CurrentColumn(), 2);
    QTest::keyClick(note, Qt::Key_Right);
    EXPECT_EQ(Focused(), note) << "Right in an edit stays in the edit";
    EXPECT_EQ(grid->Text(0, nameId), "abc") << "the cell left was stored";
}

TEST_F(GridTest, TabLikeTheArrowsMovesBetweenColumns) {
    Build(3, gsVertScroll, ekNextColumn, tkLikeArrows);
    grid->Go(0);
    QTest::keyClick(name, Qt::Key_Tab);
    EXPECT_EQ(Focused(), quantity);
    QTest::keyClick(quantity, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), name);
}

TEST_F(GridTest, MoveWithoutACurrentLineCountsFromBeforeLineZero) {
    Build(0, gsVertScroll);
    grid->SetNLines(5);
    ASSERT_EQ(grid->CurrentLine(), -1);
    ASSERT_TRUE(grid->Move(1));
    EXPECT_EQ(grid->CurrentLine(), 0) << "one line down from no line is line 0";
    grid->Go(-1);
    ASSERT_TRUE(grid->Move(3));
    EXPECT_EQ(grid->CurrentLine(), 2);
    grid->Go(-1);
    ASSERT_TRUE(grid->Move(-4));
    EXPECT_EQ(grid->CurrentLine(), 0);
}

TEST_F(GridTest, PlainSelectOfASelectedLineKeepsItSelected) {
    Build(10, gsVertScroll | gsMultiSelect);
    grid->SelectLine(2);
    grid->SelectLine(4, slAdd);
    grid->selectionChanges.clear();
    EXPECT_TRUE(grid->SelectLine(4));
    EXPECT_EQ(grid->GetSelectedLines(), std::vector<int>{4});
    EXPECT_EQ(grid->selectionChanges, (std::vector<std::pair<int, bool>>{{2, false}}));
}

TEST_F(GridTest, DraggingAColumnEdgeFollowsTheMouseWhileTheColumnsScroll) {
    Build(3, gsVertScroll | gsTitleBar | gsRowHeader);
    const int clientWidth = Client()->width();
    grid->SetColumnWidth(nameId, 100);
    grid->SetColumnWidth(quantityId, 100);
    grid->SetColumnWidth(noteId, clientWidth - 201); // its right edge 1 pixel inside the border
    grid->Go(0);
    ASSERT_TRUE(grid->GotoLastColumn());
    ASSERT_EQ(grid->HorizontalOffset(), 0);
    ASSERT_NE(TitleBar(), nullptr);

    // The current column grows past the border, so the columns scroll to keep it in view.
    DragTitleBar(QPoint(Client()->x() + clientWidth - 1, 5), 3);
    EXPECT_EQ(grid->GetColumnWidth(noteId), clientWidth - 201 + 3);
    EXPECT_EQ(grid->HorizontalOffset(), 2);
    EXPECT_EQ(note->geometry().right(), clientWidth - 1) << "the cell's control is in view";
}

TEST_F(GridTest, DraggingResizesTheColumnUnderTheMouseWhateverItsId) {
    Build(3, gsVertScroll | gsTitleBar | gsRowHeader);
    // Two controls without an id: both have id 0.
    auto* done = new QCheckBox;
    auto* action = new QPushButton;
    grid->Add(done, "Done");
    grid->Add(action, "Act");
    for (int id : {nameId, quantityId, noteId})
        grid->SetColumnWidth(id, 40);
    const int checkWidth = grid->Column(3).width;
    const int buttonWidth = grid->Column(4).width;
    const int edge = grid->Column(4).left + buttonWidth;
    ASSERT_LT(edge, Client()->width());

    DragTitleBar(QPoint(Client()->x() + edge, 5), 5);
    EXPECT_EQ(grid->Column(4).width, buttonWidth + 5);
    EXPECT_EQ(grid->Column(3).width, checkWidth);
}

TEST_F(GridTest, NextAndPreviousColumnGoToTheLastAndFirstThatTakeTheFocus) {
    Build(3, gsVertScroll);
    grid->Go(0);
    QTest::keyClick(name, Qt::Key_Tab);
    ASSERT_EQ(grid->CurrentColumn(), 1);
    // The owner makes the current cell and the one after it read-only.
    grid->cellStates[{0, quantityId}] = 2;
    grid->cellStates[{0, noteId}] = 2;
    EXPECT_FALSE(grid->GotoNextColumn());
    EXPECT_EQ(grid->CurrentColumn(), 0) << "the last column that takes the focus";
    EXPECT_EQ(Focused(), name);

    grid->cellStates.clear();
    QTest::keyClick(name, Qt::Key_Tab);
    ASSERT_EQ(grid->CurrentColumn(), 1);
    grid->cellStates[{0, nameId}] = 2;
    grid->cellStates[{0, quantityId}] = 2;
    EXPECT_FALSE(grid->GotoPreviousColumn());
    EXPECT_EQ(grid->CurrentColumn(), 2) << "the first column that takes the focus";
    EXPECT_EQ(Focused(), note);
}

TEST_F(GridTest, RefusedCellIsAskedOncePerKey) {
    Build(3, gsVertScroll, ekNextColumn, tkNextColumn);
    grid->Go(0);
    ASSERT_TRUE(grid->GotoLastColumn());
    grid->acceptData = false;
    QTest::keyClicks(note, "x");
    QTest::keyClick(note, Qt::Key_Tab);
    EXPECT_EQ(grid->acceptAsked, 1) << "Tab at the last column";
    grid->acceptAsked = 0;
    QTest::keyClick(note, Qt::Key_Return);
    EXPECT_EQ(grid->acceptAsked, 1) << "Enter at the last column";
    EXPECT_EQ(grid->CurrentLine(), 0);
    EXPECT_EQ(Focused(), note);

    grid->acceptData = true;
    QTest::keyClick(note, Qt::Key_Return);
    EXPECT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ(grid->Text(0, noteId), "x");
}

TEST_F(GridTest, EscapeOutsideADialogPutsTheCellBackAndKeepsTheValidators) {
    Build(3, gsVertScroll);
    grid->Go(0);
    QTest::keyClick(name, Qt::Key_Tab);
    ASSERT_EQ(Focused(), quantity);
    const QString stored = quantity->text();
    QTest::keyClicks(quantity, "55");
    ASSERT_NE(quantity->text(), stored);
    QTest::keyClick(quantity, Qt::Key_Escape);
    EXPECT_EQ(quantity->text(), stored);
    EXPECT_NE(quantity->Validator(), nullptr);
    EXPECT_TRUE(recorder.messages.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(GridTest, GrowingListSwapsWithLinesBeyondItsCount) {
    Build(0, gsVertScroll);
    grid->SetNLines(3);
    FillNames(3);
    grid->cells[{6, nameId}] = "line 6";
    EXPECT_TRUE(grid->SwapLines(1, 6));
    EXPECT_EQ(grid->Text(1, nameId), "line 6");
    EXPECT_EQ(grid->Text(6, nameId), "line 1");
    EXPECT_TRUE(grid->SwapLines(0, INT_MAX));
    EXPECT_EQ(grid->Text(INT_MAX, nameId), "line 0");
    EXPECT_EQ(grid->NLines(), 3) << "swapping does not count lines";
    EXPECT_TRUE(grid->IsModified());
    EXPECT_FALSE(grid->SwapLines(-1, 2));
}

TEST_F(GridTest, HugeLinesAndWidthsSaturate) {
    Build(0, gsVertScroll | gsTitleBar);
    grid->SetVisibleLines(4);
    ASSERT_TRUE(grid->Go(INT_MAX));
    EXPECT_EQ(grid->NLines(), INT_MAX);
    EXPECT_EQ(grid->CurrentLine(), INT_MAX - 1) << "the last line a 32-bit count holds";
    EXPECT_EQ(grid->appendAsked, std::vector<int>{INT_MAX - 1});
    ASSERT_FALSE(grid->visibleChanges.empty());
    EXPECT_EQ(grid->visibleChanges.back(), std::make_pair(INT_MAX - 1, INT_MAX - 1));
    EXPECT_TRUE(grid->Move(5));
    EXPECT_EQ(grid->CurrentLine(), INT_MAX - 1);
    // Far from the window in both directions (the sanitizer build checks the arithmetic).
    grid->RefreshLine(INT_MIN);
    grid->RefreshLine(INT_MAX);

    grid->SetColumnWidth(noteId, INT_MAX);
    const int noteWidth = grid->GetColumnWidth(noteId);
    EXPECT_GT(noteWidth, 1000000);
    EXPECT_EQ(int64_t{grid->ColumnsWidth()}, int64_t{grid->Column(2).left} + noteWidth);
    ASSERT_TRUE(grid->GotoLastColumn());
    EXPECT_EQ(grid->HorizontalOffset(), grid->Column(2).left) << "the wide cell starts in view";
    EXPECT_EQ(note->x(), 0);
    (void)grid->grab();
}

TEST_F(GridTest, AppendColumnPlacesAPreparedColumnLast) {
    Build(2, gsVertScroll | gsTitleBar);
    const int before = grid->ColumnsWidth();
    auto* extra = new TGEdit(nullptr, 9);
    TGridColumn column;
    column.control = extra;
    column.title = "Extra";
    column.width = 50;
    column.alignment = alRight;
    ASSERT_TRUE(grid->AppendColumn(column));
    ASSERT_EQ(grid->ColumnCount(), 4);
    EXPECT_EQ(grid->Column(3).left, before);
    EXPECT_EQ(grid->Column(3).width, 50);
    EXPECT_EQ(grid->Column(3).type, ctEdit);
    EXPECT_EQ(grid->GetTitle(9), "Extra");
    EXPECT_EQ(grid->ColumnsWidth(), before + 50);
    EXPECT_FALSE(extra->isVisible());
    EXPECT_EQ(extra->parentWidget(), Client());
    EXPECT_FALSE(grid->AppendColumn(column)) << "already a column";
    EXPECT_FALSE(grid->AppendColumn(TGridColumn{})) << "no control";
    EXPECT_EQ(grid->ColumnCount(), 4);

    // The appended column works like the others.
    grid->Go(0);
    ASSERT_TRUE(grid->GotoLastColumn());
    EXPECT_EQ(Focused(), extra);
    QTest::keyClicks(extra, "x");
    QTest::keyClick(extra, Qt::Key_Down);
    EXPECT_EQ(grid->Text(0, 9), "x");
}

} // namespace

namespace {

constexpr int doneId = 4;

// Space in the check box, then Down or Up to leave the line.
void ToggleAndLeave(QCheckBox* box, Qt::Key leave) {
    QTest::keyClick(box, Qt::Key_Space);
    QTest::keyClick(box, leave);
}

} // namespace

// A check box column stores 0 unchecked, 1 checked and 2 undetermined, and loads them back as
// those states; a two-state box stays two-state after showing an undetermined cell.
TEST_F(GridTest, TwoStateCheckBoxStoresAndLoadsTheDocumentedStates) {
    Build(3, gsVertScroll);
    auto* done = new QCheckBox;
    done->setProperty(controlIdProperty, doneId);
    grid->Add(done, "Done");
    grid->cells[{0, doneId}] = TGrid::CheckBoxData(0);
    grid->cells[{1, doneId}] = TGrid::CheckBoxData(1);
    grid->cells[{2, doneId}] = TGrid::CheckBoxData(2);
    grid->Go(0);
    ASSERT_TRUE(grid->GotoLastColumn());
    ASSERT_EQ(Focused(), done);
    EXPECT_EQ(done->checkState(), Qt::Unchecked);
    ToggleAndLeave(done, Qt::Key_Down);
    ASSERT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ((grid->cells[{0, doneId}]), QByteArray("\x01\x00", 2));

    EXPECT_EQ(done->checkState(), Qt::Checked) << "a stored 01 00 loads as checked";
    EXPECT_FALSE(done->isTristate());
    ToggleAndLeave(done, Qt::Key_Down);
    ASSERT_EQ(grid->CurrentLine(), 2);
    EXPECT_EQ((grid->cells[{1, doneId}]), QByteArray("\x00\x00", 2));

    EXPECT_EQ(done->checkState(), Qt::PartiallyChecked);
    QTest::keyClick(done, Qt::Key_Space);
    EXPECT_EQ(done->checkState(), Qt::Checked);
    QTest::mouseClick(done, Qt::LeftButton, Qt::NoModifier, done->rect().center());
    EXPECT_EQ(done->checkState(), Qt::Unchecked) << "no way back to undetermined";
    QTest::keyClick(done, Qt::Key_Space);
    EXPECT_EQ(done->checkState(), Qt::Checked);
    QTest::keyClick(done, Qt::Key_Up);
    ASSERT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ(TGrid::CheckBoxState(grid->cells[{2, doneId}]), 1);
    EXPECT_FALSE(done->isTristate());
}

TEST_F(GridTest, ThreeStateCheckBoxStoresItsUndeterminedState) {
    Build(3, gsVertScroll);
    auto* done = new QCheckBox;
    done->setTristate(true);
    done->setProperty(controlIdProperty, doneId);
    grid->Add(done, "Done");
    grid->cells[{0, doneId}] = TGrid::CheckBoxData(0);
    grid->cells[{1, doneId}] = TGrid::CheckBoxData(1);
    grid->Go(0);
    ASSERT_TRUE(grid->GotoLastColumn());
    ASSERT_EQ(Focused(), done);
    EXPECT_TRUE(done->isTristate()) << "an unchecked cell leaves the box three-state";
    ToggleAndLeave(done, Qt::Key_Down); // unchecked, then undetermined
    EXPECT_EQ((grid->cells[{0, doneId}]), QByteArray("\x02\x00", 2));
    EXPECT_EQ(done->checkState(), Qt::Checked);
    EXPECT_TRUE(done->isTristate());
    ToggleAndLeave(done, Qt::Key_Up); // checked, then unchecked
    EXPECT_EQ((grid->cells[{1, doneId}]), QByteArray("\x00\x00", 2));
    EXPECT_EQ(done->checkState(), Qt::PartiallyChecked);
}

// The live control of a cell holds the cell's whole value, whatever its text limit, so that
// correcting one digit stores the corrected value.
TEST_F(GridTest, CellLongerThanTheTextLimitIsLoadedWhole) {
    Build(3, gsVertScroll);
    auto* big = new TGLongEdit(nullptr, 6, 0, 3, 0, 99999);
    grid->Add(big, "Big");
    grid->cells[{0, 6}] = TGLongEdit::ToData(12345);
    grid->Go(0);
    ASSERT_TRUE(grid->GotoLastColumn());
    ASSERT_EQ(Focused(), big);
    EXPECT_EQ(big->text(), "12345");
    big->end(false);
    QTest::keyClick(big, Qt::Key_Backspace);
    QTest::keyClicks(big, "6");
    QTest::keyClick(big, Qt::Key_Down);
    ASSERT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ(TGLongEdit::FromData(grid->cells[{0, 6}]), 12346);
}

// A negative time cell is loaded, edited and stored with its sign.
TEST_F(GridTest, NegativeTimeCellKeepsItsSignWhenEdited) {
    Build(3, gsVertScroll);
    auto* span = new TGTimeEdit(nullptr, 7);
    grid->Add(span, "Span");
    grid->cells[{0, 7}] = TGTimeEdit::ToData(TGTime(-5400.0));
    grid->Go(0);
    ASSERT_TRUE(grid->GotoLastColumn());
    ASSERT_EQ(Focused(), span);
    EXPECT_EQ(span->text(), "-01:30:00");
    span->end(false);
    QTest::keyClick(span, Qt::Key_Backspace);
    QTest::keyClicks(span, "5");
    QTest::keyClick(span, Qt::Key_Down);
    ASSERT_EQ(grid->CurrentLine(), 1);
    EXPECT_EQ(TGTimeEdit::FromData(grid->cells[{0, 7}]).Value(), -5405.0);
}
