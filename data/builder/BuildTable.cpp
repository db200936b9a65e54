// quelbox-tables TABLE SOURCE.csv OUTPUT
// Builds one shipped reference table (INSUL.DAT, PRODUCT.DAT, UNITS.DAT or COILS.DAT) from its
// CSV source through the same reader and row checks as `quelbox-cli table import`, so the
// shipped tables hold exactly what the sources say.

#include "tables/TableImport.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: quelbox-tables TABLE SOURCE.csv OUTPUT\n";
        return 2;
    }
    const std::optional<ReferenceTable> which = ReferenceTableNamed(argv[1]);
    if (!which) {
        std::cerr << argv[1] << ": not a reference table\n";
        return 1;
    }
    const ImportResult result = ImportTableCsv(
        *which, argv[2], argv[3], [](const std::string& message) { std::cerr << message << '\n'; });
    return result.outcome == ImportOutcome::Imported ? 0 : 1;
}
