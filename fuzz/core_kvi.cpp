// Fuzz target: "DEFAULTS.KVI" and "SUBMIT.KVI" as the program reads them, then a new cooler or
// freezer job made from those defaults with a small insulation table, and its summary page with
// the company read from the submitter file.
//
// Input: one selector byte, then the defaults file's bytes, then the submitter file's bytes.
// Selector bits 0-6: how many bytes go to the defaults file (at most 127, the rest to the
// submitter file); 127 means no defaults file at all. Bit 7: a freezer instead of a cooler.

#include "core_scratch.h"

#include "equipment/UnitCheck.h"
#include "job/DefaultsFile.h"
#include "job/Submitter.h"
#include "report/SummaryPage.h"
#include "tables/JobDefaults.h"
#include "tables/ReferenceTables.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

struct InsulRecord {
    const char* name;
    double factor;
    char kind;
};

// INSUL.DAT with a few records, made once; every input starts from a fresh copy of its bytes.
std::vector<uint8_t> MakeInsulBytes() {
    const std::string path = ScratchFile("template.dat");
    const TableSchema& schema = SchemaOf(ReferenceTable::Insul);
    std::string message;
    Require(Table::Create(path, schema.fields, message), "creating the insulation table");
    auto table = Table::Open(path, TableAccess::ReadWrite, schema.tags, message);
    Require(table != nullptr, "opening the insulation table");
    for (const InsulRecord& r :
         {InsulRecord{"Styrofoam", 0.24, 'K'}, InsulRecord{"Polystyrene,molded", 0.20, 'K'},
          InsulRecord{"Concrete 6\" slab", 0.21, 'U'}}) {
        table->d4appendStart();
        table->f4assign("INSULATION", r.name);
        table->f4assignDouble("FACTOR", r.factor);
        table->f4assignChar("KU", r.kind);
        Require(table->d4append() == r4success, "adding an insulation record");
    }
    table.reset();
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool EndsInside(const char* text, std::size_t width) {
    return std::memchr(text, 0, width) != nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const std::vector<uint8_t> insulBytes = MakeInsulBytes();
    static const std::string defaultsPath = ScratchFile(DefaultsFileName);
    static const std::string submitterPath = ScratchFile(SubmitterFileName);
    static const std::string insulPath = ScratchFile("INSUL.DAT");
    if (size == 0)
        return 0;

    const unsigned selector = data[0];
    const bool freezer = (selector & 0x80) != 0;
    const std::size_t defaultsSize = selector & 0x7F;
    const uint8_t* rest = data + 1;
    const std::size_t restSize = size - 1;
    std::size_t submitterStart = 0;
    if (defaultsSize == 0x7F) {
        std::filesystem::remove(defaultsPath);
    } else {
        submitterStart = std::min(defaultsSize, restSize);
        WriteScratchFile(defaultsPath, rest, submitterStart);
    }
    WriteScratchFile(submitterPath, rest + submitterStart, restSize - submitterStart);
    WriteScratchFile(insulPath, insulBytes.data(), insulBytes.size());

    TSubmitter submitter{};
    Require(!ReadSubmitter(submitter, submitterPath), "an existing submitter file is missing");
    Require(EndsInside(submitter.companyName, sizeof submitter.companyName) &&
                EndsInside(submitter.companyAddress, sizeof submitter.companyAddress) &&
                EndsInside(submitter.companyContact, sizeof submitter.companyContact) &&
                EndsInside(submitter.companyTelephone, sizeof submitter.companyTelephone) &&
                EndsInside(submitter.companyFax, sizeof submitter.companyFax),
            "a submitter text runs past its field");

    std::string message;
    std::unique_ptr<Table> insul = OpenReferenceTable(
        std::filesystem::path(insulPath).parent_path(), ReferenceTable::Insul, message);
    Require(insul != nullptr, "the insulation table does not open");

    Job job;
    TDefaults defaults = BuiltInDefaults();
    Require(ResetJobToDefaults(job, defaults, defaultsPath, insul.get()).ok,
            "resetting to readable defaults failed");
    const FileResult applied = freezer ? ApplyFreezerDefaults(job, defaults, insul.get())
                                       : ApplyCoolerDefaults(job, defaults, insul.get());
    Require(applied.ok, "applying the defaults with a writable table failed");

    // Every wall names a record of the table.
    insul->d4tagSelect(insul->d4tag("INSUL"));
    for (const TSurface& surface : job.image.surfaces) {
        const std::string name(surface.insulationName, sizeof surface.insulationName);
        Require(insul->d4seek(name.substr(0, name.find('\0'))) == r4success,
                "a surface names an insulation the table lacks");
    }

    EquipmentState state;
    const std::string text = SummaryAsText(RefreshSummary(job, state, submitter));
    Require(text.size() < 1'000'000, "the summary grew without bound");
    return 0;
}
