#pragma once
// The four reference tables: file names, fields (in file order, so the field numbers hold) and
// tags. The same lists create the shipped tables and check a table when it is opened.

#include "tables/Table.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class ReferenceTable { Insul, Product, Units, Coils };

inline constexpr std::array<ReferenceTable, 4> AllReferenceTables = {
    ReferenceTable::Insul, ReferenceTable::Product, ReferenceTable::Units, ReferenceTable::Coils};

struct TableSchema {
    const char* fileName;
    std::vector<FieldDefinition> fields;
    std::vector<TagDefinition> tags;
    const char* selectedTag; // selected when the table is opened; nullptr for none
    TableAccess access;
};

const TableSchema& SchemaOf(ReferenceTable table);

// The index (from 0) of field `name` of `table`, and its definition; the first field when it
// has none of that name.
std::size_t FieldIndexOf(ReferenceTable table, std::string_view name);
const FieldDefinition& FieldDefinitionOf(ReferenceTable table, std::string_view name);

// Field numbers the unit search reads by number: BTUA (80 F ambient) is field 2, BTUK (130 F)
// field 12.
inline constexpr int FirstCapacityField = 2;
inline constexpr int LastCapacityField = 12;

// Checks that an opened table has every field its schema names, of the same kind (character
// or numeric), the key fields at their exact width and the capacity columns at their numbers.
// On a fault returns false and a message naming the file and the field.
bool CheckTableFields(const Table& table, ReferenceTable which, std::string& message);
