// The job after each input dialog of the desktop program, confirmed with OK untouched and with
// one typed change, over the sample and some random jobs in imperial and SI units, against the
// digests kept in tests/golden/dialogs.txt.

#include "../dialogs/DialogTestSupport.h"
#include "GoldenFile.h"
#include "RandomJobs.h"
#include "app/KelvoFrame.h"
#include "dialogs/ProductDialog.h"
#include "equipment/UnitCheck.h"
#include "job/FixedText.h"
#include "job/JobFile.h"
#include "job/Submitter.h"
#include "tables/ShippedTables.h"

#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using enum CommandId;

struct Typed {
    const char* field; // a line edit's object name, or a radio button's
    const char* text;  // nullptr: click the radio button
};

struct DialogCase {
    CommandId command;
    const char* kind;
    Typed change; // a value every one of the jobs accepts in both unit systems
};

const DialogCase Dialogs[] = {
    {EditJobInfo, "job-information", {"length", "12.5"}},
    {SelectProduct, "product", {"quantity", "750"}},
    {UserLoad, "user-load", {"userLoad", "1234"}},
    {LatentRange, "latent-range", {"within15", nullptr}},
    {SelectInsulation, "insulation", {"thickness0", "5"}},
    {SunAllowance, "sun", {"southDark", nullptr}},
    {AirChange, "air-change", {"infiltratingTemp", "30"}},
    {AirVelocity, "air-velocity", {"openMinutes", "45"}},
    {Occupants, "occupants", {"occupants", "3"}},
    {GlassDoors, "glass-doors", {"doorCount", "4"}},
    {MotorLoads, "motors", {"motorHp", "2.5"}},
    {ElectricLoads, "electric", {"watts", "1500"}},
    {Lighting, "lighting", {"wattsPerSqFt", "12"}},
};

// The sample and a few random jobs of different kinds.
constexpr int DialogJobs[] = {0, 3, 58, 117, 164};

ModalScript::Step Confirm(const Typed* change) {
    return [change](QDialog& d) {
        if (change != nullptr) {
            // The product dialog's fields are on its pages: the first page takes the change.
            QWidget* holder = &d;
            if (auto* products = dynamic_cast<TProductDialog*>(&d))
                holder = products->pageView(0);
            if (change->text == nullptr)
                holder->findChild<QRadioButton*>(QLatin1String(change->field))->click();
            else
                holder->findChild<QLineEdit*>(QLatin1String(change->field))
                    ->setText(QLatin1String(change->text));
        }
        return ClickOk(d);
    };
}

std::string ImageBytes(Job& job) {
    const JobImage& image = JobFileImage(job);
    return std::string(reinterpret_cast<const char*>(&image), sizeof image);
}

} // namespace

TEST(GoldenDialogs, JobAfterEachInputDialogStaysAsItWas) {
    const auto start = std::chrono::steady_clock::now();
    EnsureApplication();
    TempFolder folder;
    AppState state;
    state.folder = folder.path();
    ASSERT_TRUE(StartUp(state, ShippedTableFolders()).empty());
    SetText(state.submitter.companyName, "Northwind Cooling");
    ASSERT_TRUE(WriteSubmitter(state.submitter, folder.file(SubmitterFileName)).ok);
    KelvoFrame frame(state);
    GoldenOutputs golden("dialogs.txt", "The job after each input dialog of the desktop program.");

    for (const char* system : {"imperial", "si"}) {
        if (std::string(system) == "si")
            frame.runCommand(MetricUnits);
        for (const int index : DialogJobs) {
            Job made;
            MakeGoldenJob(index, state.tables, made);
            const std::string path = folder.file((JobKey(index) + ".kvj").c_str());
            ASSERT_TRUE(WriteJobFile(made, path).ok);
            {
                MessageScript messages; // a changed job is not saved first
                FileScript files({QString::fromStdString(path)});
                frame.runCommand(LoadJob);
            }
            ASSERT_TRUE(state.jobLoaded()) << JobKey(index);
            for (const DialogCase& dialog : Dialogs) {
                for (const bool typed : {false, true}) {
                    MessageScript messages;
                    ModalScript modal({Confirm(typed ? &dialog.change : nullptr)});
                    state.job.run.modified = false;
                    frame.runCommand(dialog.command);
                    std::string shown = "dialogs " + std::to_string(modal.opened.size()) +
                                        " unexpected " + std::to_string(modal.unexpected) +
                                        " modified " + std::to_string(state.job.run.modified) +
                                        "\n";
                    for (const MessageRequest& message : messages.shown)
                        shown += "message: " + message.text.toStdString() + "\n";
                    std::string bytes = shown + ImageBytes(state.job);
                    // What the summary's redraw makes of it.
                    RefreshJob(state.job, state.equipment);
                    bytes += ImageBytes(state.job);
                    golden.Add(JobKey(index), system,
                               std::string(dialog.kind) + (typed ? "-typed" : "-ok"), bytes);
                }
            }
        }
    }
    golden.Check();
    std::printf("%zu dialog outputs in %.1f s\n", golden.Count(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
}
