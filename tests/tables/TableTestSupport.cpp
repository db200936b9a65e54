#include "TableTestSupport.h"

#include <gtest/gtest.h>

std::vector<FieldDefinition> SampleFields() {
    return {{"NAME", 'C', 10, 0}, {"VAL", 'N', 8, 2}, {"N", 'N', 4, 0}};
}

std::unique_ptr<Table> OpenSampleTable(const std::string& path, std::string& message) {
    return Table::Open(path, TableAccess::ReadWrite, {{"NAME", "NAME"}, {"VAL", "VAL"}}, message);
}

std::unique_ptr<Table> MakeSampleTable(const std::string& path,
                                       const std::vector<SampleRow>& rows) {
    std::string message;
    EXPECT_TRUE(Table::Create(path, SampleFields(), message)) << message;
    auto table = OpenSampleTable(path, message);
    EXPECT_NE(table, nullptr) << message;
    if (!table)
        return nullptr;
    for (const SampleRow& row : rows) {
        table->d4appendStart(0);
        table->f4assign("NAME", row.name);
        table->f4assignDouble("VAL", row.val);
        table->f4assignInt("N", row.n);
        EXPECT_EQ(table->d4append(), r4success) << table->lastError();
    }
    return table;
}

std::vector<int> RecordOrder(Table& table) {
    std::vector<int> order;
    for (int rc = table.d4top(); rc == r4success; rc = table.d4skip(1))
        order.push_back(table.d4recNo());
    return order;
}

std::unique_ptr<Table> MakeInsulTable(const std::string& folder,
                                      const std::vector<InsulRow>& rows) {
    const std::string path = folder + "/INSUL.DAT";
    std::string message;
    EXPECT_TRUE(Table::Create(path, SchemaOf(ReferenceTable::Insul).fields, message)) << message;
    {
        auto raw = Table::Open(path, TableAccess::ReadWrite, {}, message);
        EXPECT_NE(raw, nullptr) << message;
        for (const InsulRow& row : rows) {
            raw->d4appendStart(0);
            raw->f4assign("INSULATION", row.name);
            raw->f4assignDouble("FACTOR", row.factor);
            raw->f4assignChar("KU", row.kind);
            EXPECT_EQ(raw->d4append(), r4success);
        }
    }
    auto insul = OpenReferenceTable(folder, ReferenceTable::Insul, message);
    EXPECT_NE(insul, nullptr) << message;
    return insul;
}

std::vector<std::string> InsulNames(Table& insul) {
    std::vector<std::string> names;
    for (int rc = insul.d4top(); rc == r4success; rc = insul.d4skip(1)) {
        std::string name = insul.f4str("INSULATION");
        name.erase(name.find_last_not_of(' ') + 1);
        names.push_back(name);
    }
    return names;
}
