#include "cli/SampleJob.h"

#include "calc/Totals.h"
#include "cli/NewJob.h"
#include "job/FixedText.h"
#include "tables/ShippedTables.h"

namespace {

// The shipped insulation table, opened for reading only: the sample must not change it.
std::unique_ptr<Table> OpenShippedInsulation(std::string& message) {
    const TableSchema& schema = SchemaOf(ReferenceTable::Insul);
    message = std::string(schema.fileName) + ": no shipped table was found";
    for (const std::filesystem::path& folder : ShippedTableFolders()) {
        const std::string path = (folder / schema.fileName).string();
        std::unique_ptr<Table> table =
            Table::Open(path, TableAccess::ReadOnly, schema.tags, message);
        if (table && CheckTableFields(*table, ReferenceTable::Insul, message)) {
            table->d4tagSelect(table->d4tag(schema.selectedTag));
            return table;
        }
    }
    return nullptr;
}

} // namespace

FileResult BuildSampleJob(Job& job) {
    std::string message;
    std::unique_ptr<Table> insul = OpenShippedInsulation(message);
    if (!insul)
        return FileResult::Failure(message);
    // No defaults file: the built-in defaults, as on a first run.
    std::vector<std::string> warnings;
    if (!MakeNewJob(job, {35, 10.0, 8.0, 8.0, 16, "12/07/2026"}, "", insul.get(), warnings))
        return FileResult::Failure("the sample box has no volume");
    if (!warnings.empty())
        return FileResult::Failure(warnings.front());

    JobImage& im = job.image;
    TJobHeader& h = im.header;
    SetText(h.jobName, "Sample Cooler");
    SetText(h.customer, "Harbor Street Market");
    SetText(h.contact, "Dana Reyes");
    SetText(h.quotation, "Q-1001");
    SetText(h.address, "12 Harbor Street");
    SetText(h.telephone, "555-0100");
    SetText(h.fax, "555-0101");

    TProductSlot& p = im.products[0];
    SetPadded(p.productName, "Apples", 32);
    p.freezePoint = 29.0;
    p.specHeatAbove = 0.87;
    p.specHeatBelow = 0.45;
    p.latentHeat = 121;
    p.respHeat = 0.6;
    p.calcFlag = 1;
    p.enteringTemp = 60;
    p.quantity = 1500;
    p.productWeight = 1500;
    p.pulldownHours = 24;
    p.respFactor = 0.6;
    p.respWeight = 1500;

    im.lighting.wattsPerSqFt = 1.0;
    im.lighting.hours = 8;
    SetText(im.userLoad.userDescription, "Display case");
    im.userLoad.userLoad = 500;
    im.flags.userLoadEntered = 1;
    job.run.fileName = GetText(h.jobName);

    RefreshLoads(job);
    return FileResult::Success();
}
