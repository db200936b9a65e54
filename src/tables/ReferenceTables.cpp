#include "tables/ReferenceTables.h"

Table* ReferenceTables::get(ReferenceTable which) const {
    return const_cast<ReferenceTables*>(this)->slot(which).get();
}

std::unique_ptr<Table>& ReferenceTables::slot(ReferenceTable which) {
    switch (which) {
    case ReferenceTable::Insul:
        return insul;
    case ReferenceTable::Product:
        return product;
    case ReferenceTable::Units:
        return units;
    case ReferenceTable::Coils:
        break;
    }
    return coils;
}

const std::string& ReferenceTables::problem(ReferenceTable which) const {
    return const_cast<ReferenceTables*>(this)->problem(which);
}

std::string& ReferenceTables::problem(ReferenceTable which) {
    switch (which) {
    case ReferenceTable::Insul:
        return insulProblem;
    case ReferenceTable::Product:
        return productProblem;
    case ReferenceTable::Units:
        return unitsProblem;
    case ReferenceTable::Coils:
        break;
    }
    return coilsProblem;
}

bool ReferenceTables::allOpen() const {
    return insul && product && units && coils;
}

std::unique_ptr<Table> OpenReferenceTable(const std::filesystem::path& folder, ReferenceTable which,
                                          std::string& message) {
    const TableSchema& schema = SchemaOf(which);
    const std::string path = (folder / schema.fileName).string();
    std::unique_ptr<Table> table = Table::Open(path, schema.access, schema.tags, message);
    if (!table)
        return nullptr;
    if (!CheckTableFields(*table, which, message))
        return nullptr;
    if (schema.selectedTag != nullptr)
        table->d4tagSelect(table->d4tag(schema.selectedTag));
    table->d4top();
    return table;
}

ReferenceTables OpenReferenceTables(const std::filesystem::path& folder,
                                    std::span<const ReferenceTable> which) {
    ReferenceTables tables;
    for (ReferenceTable table : which)
        tables.slot(table) = OpenReferenceTable(folder, table, tables.problem(table));
    return tables;
}
