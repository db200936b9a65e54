#include "tables/InsulationTable.h"

#include "tables/FieldRules.h"
#include "tables/FieldText.h"

#include <cstdio>

std::string FormatInsulationFactor(double factor, char kind) {
    char text[64];
    std::snprintf(text, sizeof text, "%6.2f %c", factor, kind);
    return text;
}

std::string InsulationFactorIn(const InsulationListRow& row, UnitSystem units) {
    if (units == UnitSystem::Imperial)
        return row.factor;
    const Quantity quantity = row.kind == 'U' ? Quantity::UFactor : Quantity::KFactor;
    char text[64];
    std::snprintf(text, sizeof text, "%6.3f %c", ToSi(quantity, row.factorValue), row.kind);
    return text;
}

InsulationFactorColumn FactorColumnIn(UnitSystem units) {
    if (units == UnitSystem::Imperial)
        return {"Factor", 8};
    const std::string title = std::string("Factor  K: ") + UnitSymbol(Quantity::KFactor, units) +
                              "  U: " + UnitSymbol(Quantity::UFactor, units);
    return {title, static_cast<int>(title.size())};
}

InsulationRecord ReadInsulationRecord(const Table& insul) {
    InsulationRecord record;
    record.name = insul.f4str("INSULATION");
    record.factor = insul.f4double("FACTOR");
    record.kind = insul.f4char("KU");
    return record;
}

std::vector<InsulationListRow> InsulationListRows(Table& insul) {
    insul.d4tagSelect(insul.d4tag(InsulTagName));
    std::vector<InsulationListRow> rows;
    for (int rc = insul.d4top(); rc == r4success; rc = insul.d4skip(1)) {
        const InsulationRecord record = ReadInsulationRecord(insul);
        char name[64];
        std::snprintf(name, sizeof name, "%26s", record.name.c_str());
        rows.push_back(
            {name, FormatInsulationFactor(record.factor, record.kind), record.factor, record.kind});
    }
    return rows;
}

bool GoToInsulationRow(Table& insul, int row) {
    insul.d4tagSelect(insul.d4tag(InsulTagName));
    int rc = insul.d4top();
    for (int n = 0; n < row && rc == r4success; ++n)
        rc = insul.d4skip(1);
    if (row < 0 || rc != r4success) {
        insul.d4bottom();
        insul.d4skip(1);
        return false;
    }
    return insul.d4go(insul.d4recNo()) == r4success;
}

int InsulationRowOf(Table& insul, int32_t recNo) {
    insul.d4tagSelect(insul.d4tag(InsulTagName));
    int row = 0;
    for (int rc = insul.d4top(); rc == r4success; rc = insul.d4skip(1), ++row)
        if (insul.d4recNo() == recNo)
            return row;
    return -1;
}

bool InsulationEntryAcceptable(std::string_view name, double factor) {
    name = name.substr(0, name.find('\0'));
    const std::size_t first = name.find_first_not_of(' ');
    name = first == std::string_view::npos
               ? std::string_view()
               : name.substr(first, name.find_last_not_of(' ') - first + 1);
    return RecordAcceptable(ReferenceTable::Insul,
                            {{std::nullopt, factor, std::nullopt}, {std::string(name), "", "K"}});
}

int32_t FindInsulation(Table& insul, std::string_view name) {
    insul.d4tagSelect(insul.d4tag(InsulTagName));
    return insul.d4seek(FitFieldText(name, InsulNameWidth)) == r4success ? insul.d4recNo() : 0;
}

int32_t FindOrAddInsulation(Table& insul, std::string_view name, double factor, char kind) {
    if (const int32_t found = FindInsulation(insul, name))
        return found;
    const std::string key = FitFieldText(name, InsulNameWidth);
    if (!InsulationEntryAcceptable(name, factor) || insul.d4lockAll() != r4success)
        return 0;
    // Under the lock the table is read again: another writer may have added the name meanwhile.
    int32_t recNo = FindInsulation(insul, name);
    if (recNo == 0) {
        insul.d4appendStart(0);
        if (insul.f4assign("INSULATION", key) == r4success &&
            insul.f4assignDouble("FACTOR", factor) == r4success &&
            insul.f4assignChar("KU", kind) == r4success && insul.d4append() == r4success) {
            insul.d4top();
            recNo = insul.d4seek(key) == r4success ? insul.d4recNo() : 0;
        }
    }
    insul.d4unlock();
    return recNo;
}
