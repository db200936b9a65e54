#include "BenchTables.h"

#include "tables/ReferenceTables.h"
#include "tables/ShippedTables.h"

#include <shapefil.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

// The first shipped folder holding all four tables (the build's data folder when not installed).
fs::path ShippedFolder() {
    for (const fs::path& folder : ShippedTableFolders()) {
        bool all = true;
        for (ReferenceTable which : AllReferenceTables)
            all = all && fs::exists(folder / SchemaOf(which).fileName);
        if (all)
            return folder;
    }
    std::fprintf(stderr, "no shipped tables found; build the target quelbox_tables_data\n");
    std::exit(1);
}

namespace {

// A temporary folder removed with its files at the end of the run.
struct ScratchFolder {
    fs::path path;
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

} // namespace

// A folder holding a generated UNITS.DAT of one million records, written once per run straight
// through shapelib: models of 1/2 to 30 HP at every suction class, capacities falling with
// ambient, spread at random so the tags have real sorting to do.
const fs::path& MillionUnitsFolder() {
    static const ScratchFolder folder{[] {
        const fs::path dir =
            fs::temp_directory_path() / ("quelbox-bench-units-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        const std::string dbf = (dir / "units.dbf").string();
        DBFHandle out = DBFCreate(dbf.c_str());
        for (const FieldDefinition& f : SchemaOf(ReferenceTable::Units).fields)
            DBFAddNativeFieldType(out, f.name, f.type, f.width, f.decimals);
        const int classes[] = {-40, -35, -30, -25, -20, -15, -10, -5, 0,
                               10,  15,  20,  25,  30,  35,  40,  45};
        std::mt19937 random(1234);
        std::uniform_real_distribution<double> hp(0.5, 30.0);
        for (int r = 0; r < MillionRecords; ++r) {
            const double horsepower = hp(random);
            const int suction = classes[r % 17];
            const double rated = horsepower * (suction < 0 ? 3800.0 : 9500.0) *
                                 std::exp(0.025 * (suction - (suction < 0 ? -20 : 25)));
            char model[32];
            std::snprintf(model, sizeof model, "OCS%04d0-1%c4 -5",
                          static_cast<int>(horsepower * 100), suction < 0 ? 'L' : 'M');
            DBFWriteStringAttribute(out, r, 0, model);
            for (int j = 0; j < 11; ++j)
                DBFWriteIntegerAttribute(out, r, 1 + j,
                                         static_cast<int>(rated * (1.095 - 0.0475 * j)));
            DBFWriteIntegerAttribute(out, r, 12, suction);
            DBFWriteDoubleAttribute(out, r, 13, horsepower);
            DBFWriteStringAttribute(out, r, 14, "Boreal");
            DBFWriteIntegerAttribute(out, r, 15, r % 2);
        }
        DBFClose(out);
        fs::rename(dbf, dir / "UNITS.DAT");
        return dir;
    }()};
    return folder.path;
}
