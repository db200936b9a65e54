#include "TableTestSupport.h"

#include <gtest/gtest.h>

std::vector<FieldSpec> SampleFields() {
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
