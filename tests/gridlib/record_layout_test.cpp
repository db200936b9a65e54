#include "grid_test_support.h"
#include "tgedit.h"

#include <QLabel>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>

namespace {

TEST(RecordLayout, PositionsComeFromGridIniAndTheRestStack) {
    TestApplication();
    MessageRecorder recorder;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString ini = folder.filePath("grid.ini");
    std::ofstream(ini.toStdString()) << "[7]\n1=200,40,80,20\n2=-1,x\n[8]\n3=0,0,10,10\n";

    QWidget window;
    auto* grid = new TestGrid(&window, 7);
    grid->SetProfileFile(ini);
    grid->Init(3, ekNextColumn, tkNextColumn, lmArrow, gsVertScroll, glRecord);
    auto* placed = new TGEdit(nullptr, 1);
    auto* second = new TGEdit(nullptr, 2);
    auto* third = new TGEdit(nullptr, 3);
    for (TGEdit* edit : {placed, second, third})
        edit->resize(60, 22);
    grid->Add(placed, "Placed");
    grid->Add(second, "Second");
    grid->Add(third, "A longer title");
    grid->cells[{1, 2}] = "two";
    grid->resize(400, 200);
    ShowActive(window);
    grid->Go(1);

    EXPECT_EQ(placed->geometry(), QRect(200, 40, 80, 20));
    const int widestLabel = third->fontMetrics().horizontalAdvance("A longer title");
    EXPECT_EQ(second->geometry(), QRect(3 + widestLabel + 3, 3, 60, 22));
    EXPECT_EQ(third->geometry(), QRect(3 + widestLabel + 3, 3 + 22 + 2, 60, 22))
        << "section [8] belongs to another grid";
    EXPECT_EQ(grid->Column(1).label->geometry().right() + 1, second->x() - 3);
    EXPECT_EQ(grid->VisibleLines(), 1);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->text(), "two") << "every control shows the current line";
    EXPECT_EQ(grid->GetDataLine(150), 1);
}

TEST(RecordLayout, MissingProfileFilePlacesEverythingAutomatically) {
    TestApplication();
    QWidget window;
    auto* grid = new TestGrid(&window, 9);
    grid->SetProfileFile(QDir::temp().filePath("no-such-folder-cellix/grid.ini"));
    grid->Init(1, ekNextColumn, tkNextColumn, lmArrow, 0, glRecord);
    std::vector<TGEdit*> edits;
    for (int id = 1; id <= 4; ++id) {
        edits.push_back(new TGEdit(nullptr, id));
        edits.back()->resize(50, 30);
        grid->Add(edits.back(), "F");
    }
    grid->resize(300, 70); // two fields (3 + 32 + 32) fit in a block
    ShowActive(window);
    const int label = edits[0]->fontMetrics().horizontalAdvance("F");
    EXPECT_EQ(edits[1]->pos(), QPoint(3 + label + 3, 35));
    EXPECT_EQ(edits[2]->pos(), QPoint(3 + label + 50 + 8 + label + 3, 3));
}

} // namespace
