// The names a file can be saved under: the name offered for a job, and what the Save dialog
// refuses while it stays open.
#include "DialogTestSupport.h"

#include "dialogs/SaveFileDialog.h"
#include "job/SafeFileName.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>

namespace {

class SaveFileName : public ::testing::Test {
protected:
    void SetUp() override { EnsureApplication(); }
    TempFolder folder;
    MessageScript messages;
};

} // namespace

TEST_F(SaveFileName, ForbiddenAndControlCharactersBecomeDashesAndEndBlanksGo) {
    const std::pair<const char*, const char*> cases[] = {
        {"Smith 12/10 cooler", "Smith 12-10 cooler"},
        {"a\\b:c*d?e\"f<g>h|i", "a-b-c-d-e-f-g-h-i"},
        {"  Walk-in freezer  ", "Walk-in freezer"},
        {"tab\there\x7f", "tab-here-"},
        {"Caf\xE9 #2 (north) & co.", "Caf\xE9 #2 (north) & co."},
        {"   ", ""},
        {"", ""},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(SafeFileName(name), expected) << name;
}

TEST_F(SaveFileName, TheSaveDialogRefusesANameThatCannotBeAFileAndStaysOpen) {
    const QString in = QString::fromStdString(folder.path().string());
    std::filesystem::create_directories(folder.path() / "12");
    struct Case {
        const char* typed;   // into the dialog's name line, in the folder `in`
        const char* refusal; // a part of the message, or nothing when the name is taken
    };
    const Case cases[] = {
        {"Smith 12-10 cooler", nullptr},
        {"12/10 cooler", nullptr}, // the folder "12" exists
        {"Smith 12/10 cooler", "There is no folder"},
        {"a:b", "holds \":\""},
        {"why?", "holds \"?\""},
        {"all*", "holds \"*\""},
        {"back\\slash", "holds \"\\\""},
        {"say \"hi\"", "holds \"\"\""},
        {"a<b", "holds \"<\""},
        {"b>c", "holds \">\""},
        {"pipe|d", "holds \"|\""},
        {"bell\a", "a control character"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        SaveFileDialog dialog(nullptr, QStringLiteral("Save Job"), in,
                              QStringLiteral("KVJ Files (*.kvj)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setDefaultSuffix(QStringLiteral("kvj"));
        dialog.show();
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QLatin1String(c.typed));
        messages.shown.clear();
        dialog.accept();
        if (c.refusal == nullptr) {
            EXPECT_TRUE(messages.shown.empty());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(dialog.selectedFiles().value(0),
                      in + u'/' + QLatin1String(c.typed) + QStringLiteral(".kvj"));
            continue;
        }
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].title, QStringLiteral("Save Job"));
        EXPECT_TRUE(messages.shown[0].text.contains(QLatin1String(c.refusal)))
            << messages.shown[0].text.toStdString();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        // The same name chosen through a platform's own dialog is refused by the same rule.
        if (!QLatin1String(c.typed).contains(u'"')) {
            EXPECT_FALSE(SaveNameProblem(in + u'/' + QLatin1String(c.typed)).isEmpty());
        }
    }
}

// Typed into the dialog's name line, as a user does.
TEST_F(SaveFileName, ATypedNameWithAColonIsRefusedAndTheNextNameSaves) {
    const QString in = QString::fromStdString(folder.path().string());
    SaveFileDialog dialog(nullptr, QStringLiteral("Save Job"), in,
                          QStringLiteral("KVJ Files (*.kvj)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QStringLiteral("kvj"));
    dialog.show();
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(QStringLiteral("12:10 cooler"));
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(dialog.isVisible());
    name->setText(QStringLiteral("12-10 cooler"));
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedFiles().value(0), in + QStringLiteral("/12-10 cooler.kvj"));
}
