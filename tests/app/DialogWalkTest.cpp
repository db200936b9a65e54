// Every dialog the program runs, in imperial and in metric units, walked tab by tab as a keyboard
// user meets it: each mnemonic letter belongs to one control, each label's letter reaches its own
// field, text fields have a length, and the dialog is wide enough for its title.

#include "../dialogs/DialogTestSupport.h"

#include "app/KelvoFrame.h"
#include "dialogs/Mnemonics.h"
#include "job/FixedText.h"
#include "tables/ShippedTables.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

using enum CommandId;

QWidget* FocusTarget(QWidget* widget) {
    while (widget != nullptr && widget->focusProxy() != nullptr)
        widget = widget->focusProxy();
    return widget;
}

QWidget* FirstWidget(QLayoutItem* item) {
    if (item == nullptr)
        return nullptr;
    if (item->widget() != nullptr)
        return item->widget();
    QLayout* inner = item->layout();
    for (int i = 0; inner != nullptr && i < inner->count(); ++i)
        if (QWidget* widget = FirstWidget(inner->itemAt(i)))
            return widget;
    return nullptr;
}

// The field laid out beside a label: the next cell of its grid row, the field of its form row,
// or the next item of its box.
QWidget* FieldBeside(QLabel* label) {
    for (QLayout* layout : label->window()->findChildren<QLayout*>()) {
        const int index = layout->indexOf(label);
        if (index < 0)
            continue;
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(index, &row, &column, &rows, &columns);
            return FirstWidget(grid->itemAtPosition(row, column + columns));
        }
        if (auto* form = qobject_cast<QFormLayout*>(layout)) {
            int row = 0;
            QFormLayout::ItemRole role{};
            form->getItemPosition(index, &row, &role);
            return FirstWidget(form->itemAt(row, QFormLayout::FieldRole));
        }
        return FirstWidget(layout->itemAt(index + 1));
    }
    return nullptr;
}

// The texts of the visible controls of the dialog that use each mnemonic letter.
std::map<QChar, QStringList> LettersInUse(QDialog& d) {
    std::map<QChar, QStringList> uses;
    const auto count = [&uses](const QString& text) {
        if (const QChar letter = MnemonicOf(text); !letter.isNull())
            uses[letter] << text;
    };
    for (QLabel* label : d.findChildren<QLabel*>())
        if (label->isVisibleTo(&d))
            count(label->text());
    for (QAbstractButton* button : d.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&d))
            count(button->text());
    for (QGroupBox* group : d.findChildren<QGroupBox*>())
        if (group->isVisibleTo(&d))
            count(group->title());
    for (QTabBar* tabs : d.findChildren<QTabBar*>())
        if (tabs->isVisibleTo(&d))
            for (int i = 0; i < tabs->count(); ++i)
                count(tabs->tabText(i));
    return uses;
}

int mnemonicsPressed = 0; // how many Alt+letter presses the walk made

// What the user sees with the dialog's current tab: each letter belongs to one control (so no
// label shares a letter with another field or with a button), each label's letter puts the focus
// in its own field, and each group's letter into its group.
void CheckShownFields(QDialog& d) {
    const std::map<QChar, QStringList> uses = LettersInUse(d);
    for (const auto& [letter, texts] : uses)
        EXPECT_EQ(texts.size(), 1) << "Alt+" << QString(letter).toStdString() << " is used by "
                                   << texts.join(QStringLiteral(", ")).toStdString();

    for (QLabel* label : d.findChildren<QLabel*>()) {
        const QChar letter = MnemonicOf(label->text());
        if (letter.isNull())
            continue;
        SCOPED_TRACE(label->text().toStdString());
        QWidget* beside = FocusTarget(FieldBeside(label));
        ASSERT_NE(beside, nullptr);
        EXPECT_EQ(FocusTarget(label->buddy()), beside);
        if (!label->isVisibleTo(&d) || !beside->isEnabled())
            continue;
        d.setFocus();
        QTest::keyClick(&d, letter.toLatin1(), Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), beside);
        ++mnemonicsPressed;
    }

    // A group's letter takes the focus into the group (to its chosen button).
    for (QGroupBox* group : d.findChildren<QGroupBox*>()) {
        const QChar letter = MnemonicOf(group->title());
        if (letter.isNull() || !group->isVisibleTo(&d) || !group->isEnabled())
            continue;
        SCOPED_TRACE(group->title().toStdString());
        d.setFocus();
        QTest::keyClick(&d, letter.toLatin1(), Qt::AltModifier);
        EXPECT_TRUE(group->isAncestorOf(QApplication::focusWidget()));
        ++mnemonicsPressed;
    }

    // Every label shown has the room its text needs: none is cut or runs under its field.
    for (QLabel* label : d.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&d) || label->wordWrap() || label->text().isEmpty())
            continue;
        EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
    }

    for (QAbstractButton* help : d.findChildren<QAbstractButton*>(QStringLiteral("helpButton")))
        EXPECT_FALSE(MnemonicOf(help->text()).isNull()) << help->text().toStdString();
}

void CheckDialog(QDialog& d) {
    SCOPED_TRACE(d.objectName().toStdString());
    d.show();
    d.activateWindow();
    // A dialog over another one counts as active while its parent is: wait for the keys to be its.
    ASSERT_TRUE(QTest::qWaitFor([&d] { return QApplication::activeWindow() == &d; }));

    // Every tab of the dialog in turn, then back to the one it opened on.
    if (auto* tabs = d.findChild<QTabBar*>(); tabs != nullptr && tabs->count() > 1) {
        const int opened = tabs->currentIndex();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            SCOPED_TRACE(tabs->tabText(tab).toStdString());
            tabs->setCurrentIndex(tab);
            CheckShownFields(d);
        }
        tabs->setCurrentIndex(opened);
    } else {
        CheckShownFields(d);
    }

    for (QLineEdit* edit : d.findChildren<QLineEdit*>()) {
        // Numbers keep to their picture, dates to their mask; plain text needs a length.
        if (edit->isReadOnly() || edit->validator() != nullptr || !edit->inputMask().isEmpty() ||
            qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) != nullptr)
            continue;
        EXPECT_LT(edit->maxLength(), 100) << edit->objectName().toStdString();
    }

    QFont bold = d.font();
    bold.setBold(true);
    EXPECT_GE(d.width(), QFontMetrics(bold).horizontalAdvance(d.windowTitle()) + 100)
        << d.windowTitle().toStdString();
    d.hide();
}

ModalScript::Step CheckThenCancel() {
    return [](QDialog& d) {
        CheckDialog(d);
        return static_cast<int>(QDialog::Rejected);
    };
}

// Checks the dialog, then runs `next` on it.
ModalScript::Step CheckThen(ModalScript::Step next) {
    return [next](QDialog& d) {
        CheckDialog(d);
        return next(d);
    };
}

ModalScript::Step Fill(std::vector<std::pair<const char*, const char*>> fields) {
    return [fields](QDialog& d) {
        for (const auto& [name, text] : fields)
            SetField(d, name, QLatin1String(text));
        return ClickOk(d);
    };
}

class DialogWalk : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        state.folder = folder.path();
        StartUp(state, ShippedTableFolders());
        frame = std::make_unique<KelvoFrame>(state);
    }

    // Every dialog the program opens, in the program's unit setting; the New Job is made with the
    // box temperature and the three dimensions given.
    void WalkEveryDialog(const char* boxTemp, const char* length, const char* width,
                         const char* height);

    TempFolder folder;
    AppState state;
    MessageScript messages;
    std::unique_ptr<KelvoFrame> frame;
};

} // namespace

TEST_F(DialogWalk, EveryLabelReachesItsFieldAndEveryDialogFitsItsTitle) {
    WalkEveryDialog("35", "10", "8", "8");
}

// The SI labels name their units and keep their mnemonics.
TEST_F(DialogWalk, InMetricUnitsEveryLabelReachesItsFieldAndEveryDialogFitsItsTitle) {
    state.units = UnitSystem::Metric;
    WalkEveryDialog("1.7", "3.05", "2.44", "2.44");
}

void DialogWalk::WalkEveryDialog(const char* boxTemp, const char* length, const char* width,
                                 const char* height) {
    mnemonicsPressed = 0;
    {
        ModalScript modal({CheckThenCancel(), CheckThen(Fill({{"boxTemp", boxTemp}})),
                           CheckThen(Fill({{"jobName", "Walk"},
                                           {"length", length},
                                           {"width", width},
                                           {"height", height}}))});
        frame->runCommand(NewJob); // the submitter dialog first: there is no submitter file
        ASSERT_TRUE(state.jobLoaded());
        EXPECT_EQ(modal.unexpected, 0);
    }
    for (CommandId command :
         {EditJobInfo, SelectProduct, UserLoad, LatentRange, SelectInsulation, SunAllowance,
          AirChange, AirVelocity, Occupants, GlassDoors, MotorLoads, ElectricLoads, Lighting,
          UnitSearch, SpotUnit, SpotCoil, UnitProductCodes, SubmittedBy, About}) {
        SCOPED_TRACE(CommandInfoOf(command).menuText);
        ModalScript modal({CheckThenCancel()});
        frame->runCommand(command);
        EXPECT_EQ(modal.opened.size(), 1u);
    }
    {
        // The unit search, its list (choosing the first unit), then the coil search.
        const ModalScript::Step ok = CheckThen([](QDialog& d) { return ClickOk(d); });
        ModalScript modal({ok, ok});
        frame->runCommand(UnitSearch);
        EXPECT_EQ(modal.opened, (std::vector<QString>{QStringLiteral("TUnitDialog"),
                                                      QStringLiteral("TSearchUnitDialog")}));
        ASSERT_NE(+state.job.image.unit.unitSelected, 0);
        // The coil search and its list.
        modal.add(ok);
        modal.add(CheckThenCancel());
        frame->runCommand(CoilSearch);
        ASSERT_EQ(modal.opened.size(), 4u);
        EXPECT_EQ(modal.opened[3], QStringLiteral("TSearchCoilDialog"));
    }
    state.job.run.modified = false;
    frame->runCommand(ClearJob);
    ASSERT_FALSE(state.jobLoaded());
    {
        ModalScript modal({CheckThenCancel()});
        frame->runCommand(SetDefaults);
        EXPECT_EQ(modal.opened.size(), 1u);
    }
    {
        // The insulation list, and the record dialog of its ADD and EDIT buttons.
        ModalScript modal({CheckThen([](QDialog& d) {
                               d.show(); // the record dialog opens over the list
                               for (const char* button : {"addButton", "editButton"})
                                   d.findChild<QAbstractButton*>(QLatin1String(button))->click();
                               return static_cast<int>(QDialog::Rejected);
                           }),
                           CheckThenCancel(), CheckThenCancel()});
        frame->runCommand(AddInsulation);
        EXPECT_EQ(modal.opened, (std::vector<QString>{QStringLiteral("TInsulModifyDialog"),
                                                      QStringLiteral("TInsulAddDialog"),
                                                      QStringLiteral("TInsulAddDialog")}));
    }
    EXPECT_GT(mnemonicsPressed, 60);
}
