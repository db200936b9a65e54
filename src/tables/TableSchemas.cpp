#include "tables/TableSchemas.h"

namespace {

const TableSchema InsulSchema{
    "INSUL.DAT",
    {{"INSULATION", 'C', 26, 0}, {"FACTOR", 'N', 8, 3}, {"KU", 'C', 1, 0}},
    {{"INSUL", "INSULATION"}},
    "INSUL",
    TableAccess::ReadWrite};

const TableSchema ProductSchema{"PRODUCT.DAT",
                                {{"PRODUCT", 'C', 32, 0},
                                 {"FREEZE", 'N', 8, 2},
                                 {"SPA", 'N', 7, 3},
                                 {"SPB", 'N', 7, 3},
                                 {"LATENT", 'N', 6, 0},
                                 {"HRESP", 'N', 8, 2},
                                 {"PKGTYPE", 'C', 25, 0},
                                 {"PKGSIZE", 'C', 28, 0},
                                 {"GROSS_WT", 'N', 10, 2},
                                 {"PKG_WT", 'N', 10, 2},
                                 {"PKG_SPA", 'N', 7, 3},
                                 {"PKG_BTU", 'N', 10, 2},
                                 {"CALCFLAG", 'N', 3, 0},
                                 {"STORETEMP", 'C', 7, 0},
                                 {"STORERH", 'C', 7, 0},
                                 {"STORELIFE", 'C', 16, 0},
                                 {"CATEG", 'C', 14, 0}},
                                {{"PRODUCT", "PRODUCT"}},
                                "PRODUCT",
                                TableAccess::ReadWrite};

const TableSchema UnitsSchema{"UNITS.DAT",
                              {{"MODEL", 'C', 20, 0},
                               {"BTUA", 'N', 8, 0},
                               {"BTUB", 'N', 8, 0},
                               {"BTUC", 'N', 8, 0},
                               {"BTUD", 'N', 8, 0},
                               {"BTUE", 'N', 8, 0},
                               {"BTUF", 'N', 8, 0},
                               {"BTUG", 'N', 8, 0},
                               {"BTUH", 'N', 8, 0},
                               {"BTUI", 'N', 8, 0},
                               {"BTUJ", 'N', 8, 0},
                               {"BTUK", 'N', 8, 0},
                               {"EVAP", 'N', 4, 0},
                               {"NOMHP", 'N', 6, 2},
                               {"BRAND", 'C', 10, 0},
                               {"HFLAG", 'N', 1, 0}},
                              {{"BTUA", "BTUA"},
                               {"BTUB", "BTUB"},
                               {"BTUC", "BTUC"},
                               {"BTUD", "BTUD"},
                               {"BTUE", "BTUE"},
                               {"BTUF", "BTUF"},
                               {"BTUG", "BTUG"},
                               {"BTUH", "BTUH"},
                               {"BTUI", "BTUI"},
                               {"BTUJ", "BTUJ"},
                               {"BTUK", "BTUK"}},
                              nullptr,
                              TableAccess::ReadOnly};

const TableSchema CoilsSchema{"COILS.DAT",
                              {{"MODEL", 'C', 12, 0},
                               {"EVAP", 'N', 4, 0},
                               {"BTUH", 'N', 7, 0},
                               {"STYLE", 'C', 14, 0},
                               {"FINS", 'N', 2, 0},
                               {"AEG", 'N', 1, 0},
                               {"BRAND", 'C', 10, 0}},
                              {{"BTUH", "BTUH"}},
                              "BTUH",
                              TableAccess::ReadOnly};

// Key fields whose width the program relies on.
bool ExactWidth(ReferenceTable which, const FieldDefinition& definition) {
    return (which == ReferenceTable::Insul && std::string(definition.name) == "INSULATION") ||
           (which == ReferenceTable::Product && std::string(definition.name) == "PRODUCT");
}

} // namespace

const TableSchema& SchemaOf(ReferenceTable table) {
    switch (table) {
    case ReferenceTable::Insul:
        return InsulSchema;
    case ReferenceTable::Product:
        return ProductSchema;
    case ReferenceTable::Units:
        return UnitsSchema;
    case ReferenceTable::Coils:
        break;
    }
    return CoilsSchema;
}

std::size_t FieldIndexOf(ReferenceTable table, std::string_view name) {
    const std::vector<FieldDefinition>& fields = SchemaOf(table).fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (name == fields[i].name)
            return i;
    return 0;
}

const FieldDefinition& FieldDefinitionOf(ReferenceTable table, std::string_view name) {
    return SchemaOf(table).fields[FieldIndexOf(table, name)];
}

bool CheckTableFields(const Table& table, ReferenceTable which, std::string& message) {
    const TableSchema& schema = SchemaOf(which);
    for (const FieldDefinition& definition : schema.fields) {
        const int number = table.d4field(definition.name);
        if (number == 0) {
            message = table.path() + ": the table has no field " + definition.name;
            return false;
        }
        const DbfField& field = table.fields()[static_cast<std::size_t>(number - 1)];
        if (IsNumericField(field) != (definition.type == 'N')) {
            message = table.path() + ": field " + definition.name + " should be " +
                      (definition.type == 'N' ? "numeric" : "character");
            return false;
        }
        if (ExactWidth(which, definition) && field.width != definition.width) {
            message = table.path() + ": field " + definition.name + " should be " +
                      std::to_string(definition.width) + " characters wide";
            return false;
        }
    }
    if (which == ReferenceTable::Units) {
        for (int j = FirstCapacityField; j <= LastCapacityField; ++j) {
            const std::string expected = std::string("BTU") + static_cast<char>('A' + j - 2);
            if (table.d4field(expected) != j) {
                message = table.path() + ": field " + expected + " should be field number " +
                          std::to_string(j);
                return false;
            }
        }
    }
    return true;
}
