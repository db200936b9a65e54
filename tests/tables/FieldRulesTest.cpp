// One set of rules per table field: the dialogs that edit a table and the CSV import refuse the
// same values, and a new table file is the file the table layer would make.

#include "tables/FieldRules.h"
#include "TableTestSupport.h"
#include "TempFolder.h"
#include "job/FixedText.h"
#include "tables/FieldText.h"
#include "tables/InsulationMaintenance.h"
#include "tables/NewTableFile.h"
#include "tables/ProductTable.h"
#include "tables/TableCsv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

bool ImportAccepts(ReferenceTable which, const std::string& text) {
    return CheckTableCsv(which, text, [](const CsvProblem&) {}).problems == 0;
}

TEST(FieldRules, EveryTableFieldHasItsRuleInFieldOrder) {
    for (ReferenceTable which : AllReferenceTables) {
        const std::vector<FieldDefinition>& fields = SchemaOf(which).fields;
        const std::span<const FieldRule> rules = FieldRulesOf(which);
        ASSERT_EQ(rules.size(), fields.size()) << SchemaOf(which).fileName;
        for (std::size_t i = 0; i < fields.size(); ++i)
            EXPECT_STREQ(rules[i].field, fields[i].name);
    }
}

// "Add / Edit Insulation" drops exactly the entries the import refuses.
TEST(FieldRules, InsulationDialogAndImportRefuseTheSameEntries) {
    struct Case {
        const char* name;
        const char* factorText;
        double factor;
    };
    const Case cases[] = {
        {"Cork board", "0.3", 0.3},
        {"Ab", "0.3", 0.3},
        {"  Ab  ", "0.3", 0.3},
        {"Abc", "0.3", 0.3},
        {"Cork board", "0", 0.0},
        {"Cork board", "120", 120.0},
        {"Cork board", "120.001", 120.001},
        {"Cork board", "0.001", 0.001},
        {"Cork board", "-1", -1.0},
        {"", "1", 1.0},
    };
    for (const Case& c : cases) {
        const bool dialog = InsulationEntryAcceptable(c.name, c.factor);
        const bool import =
            ImportAccepts(ReferenceTable::Insul, std::string("INSULATION,FACTOR,KU\n\"") + c.name +
                                                     "\"," + c.factorText + ",K\n");
        EXPECT_EQ(dialog, import) << '"' << c.name << "\" " << c.factorText;
    }
    EXPECT_TRUE(InsulationEntryAcceptable("Cork board", 120.0));
    EXPECT_FALSE(InsulationEntryAcceptable("Cork board", 0.0));
}

TEST(FieldRules, TheInsulationDialogStoresANameWithoutItsBlanks) {
    TempFolder dir;
    std::unique_ptr<Table> insul = MakeInsulTable(dir.Path(), {{"Brick", 0.4, 'U'}});
    ASSERT_TRUE(insul);
    InsulationMaintenance maintenance(*insul);
    TInsulEdit edit = InsulationMaintenance::BlankEdit();
    std::strcpy(edit.name, "   cork board ");
    edit.factor = 0.3;
    ASSERT_TRUE(maintenance.Add(edit));
    EXPECT_EQ(maintenance.rows().back().name, " Cork board");
    ASSERT_EQ(maintenance.Close(), r4success);
    EXPECT_THAT(InsulNames(*insul), ::testing::ElementsAre("Brick", "Cork board"));
}

// Product Selection adds a job's product to the table only when the import would take it.
TEST(FieldRules, ProductSelectionAddsOnlyWhatTheImportTakes) {
    struct Case {
        const char* name;
        double freeze, spa, spb;
        int latent;
        double hresp, gross, pkg;
        int mode;
    };
    const Case cases[] = {
        {"Bananas", 30.6, 0.8, 0.42, 108, 2.2, 0, 0, 1},
        {"Bananas", 30.6, -0.1, 0.42, 108, 2.2, 0, 0, 1},
        {"Bananas", -60, 0.8, 0.42, 108, 2.2, 0, 0, 1},
        {"Bananas", 330, 0.8, 0.42, 108, 2.2, 0, 0, 1},
        {"Bananas", 331, 0.8, 0.42, 108, 2.2, 0, 0, 1},
        {"Bananas", 30.6, 0.8, 0.42, -1, 2.2, 0, 0, 1},
        {"Bananas", 30.6, 0.8, 0.42, 108, 400, 0, 0, 1},
        {"Bananas", 30.6, 0.8, 0.42, 108, 401, 0, 0, 1},
        {"Bananas", 30.6, 0.8, 0.42, 108, -1, 0, 0, 1},
        {"Bananas", 30.6, 0.8, 0.42, 108, 0, 2, 3, 2},
        {"Bananas", 30.6, 0.8, 0.42, 108, 0, 3, 3, 2},
        {"Bananas", 30.6, 0.8, 0.42, 108, 0, 3, -1, 2},
        {"Bananas", 30.6, 0.8, 0.42, 108, 0, 0, 0, 4},
        {"Ab", 30.6, 0.8, 0.42, 108, 0, 0, 0, 1},
        {"None", 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        const std::string path = dir.File("PRODUCT.DAT");
        std::string message;
        ASSERT_TRUE(Table::Create(path, SchemaOf(ReferenceTable::Product).fields, message));
        std::unique_ptr<Table> product = Table::Open(path, TableAccess::ReadWrite, {}, message);
        ASSERT_TRUE(product) << message;
        TProductSlot slot{};
        SetPadded(slot.productName, c.name, 32);
        slot.freezePoint = c.freeze;
        slot.specHeatAbove = c.spa;
        slot.specHeatBelow = c.spb;
        slot.latentHeat = c.latent;
        slot.respHeat = c.hresp;
        slot.grossWeight = c.gross;
        slot.pkgWeight = c.pkg;
        slot.calcFlag = c.mode;
        std::string key = FitFieldText(c.name, ProductNameWidth);
        const bool added = AppendProductFromSlot(*product, slot, key);
        EXPECT_EQ(product->d4recCountDo(), added ? 1 : 0);
        char row[256];
        std::snprintf(row, sizeof row, "%s,%.2f,%.3f,%.3f,%d,%.2f,,,%.2f,%.2f,0,0,%d,,,,\n", c.name,
                      c.freeze, c.spa, c.spb, c.latent, c.hresp, c.gross, c.pkg, c.mode);
        const bool imported = ImportAccepts(
            ReferenceTable::Product, "PRODUCT,FREEZE,SPA,SPB,LATENT,HRESP,PKGTYPE,PKGSIZE,GROSS_WT,"
                                     "PKG_WT,PKG_SPA,PKG_BTU,CALCFLAG,STORETEMP,STORERH,STORELIFE,"
                                     "CATEG\n" +
                                         std::string(row));
        EXPECT_EQ(added, imported) << row;
    }
}

// A factor of a job the field stores rounded is judged as stored.
TEST(FieldRules, ProgramValuesAreJudgedAsTheirFieldStoresThem) {
    RecordFields record{
        {std::nullopt, 330.004, 0, 0, 0, 400.001, std::nullopt, std::nullopt, 0, 0, 0, 0, 1,
         std::nullopt, std::nullopt, std::nullopt, std::nullopt},
        {"Bananas", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""}};
    EXPECT_TRUE(RecordAcceptable(ReferenceTable::Product, record));
    record.numbers[1] = 330.006;
    EXPECT_FALSE(RecordAcceptable(ReferenceTable::Product, record));
}

TEST(FieldRules, NamesAreComparedWithoutLetterCase) {
    EXPECT_EQ(FoldedCase("Cork board \xE9t\xE9 \x9A\x9C\x9E\xFF \xF7"),
              "CORK BOARD \xC9T\xC9 \x8A\x8C\x8E\x9F \xF7");
}

// A table written in one piece is the file the table layer creates, record for record.
TEST(NewTableFile, IsTheFileTheTableLayerWrites) {
    for (ReferenceTable which : AllReferenceTables) {
        TempFolder dir;
        const std::vector<FieldDefinition>& fields = SchemaOf(which).fields;
        std::string message;
        ASSERT_TRUE(Table::Create(dir.File("made.dat"), fields, message)) << message;
        std::unique_ptr<Table> made =
            Table::Open(dir.File("made.dat"), TableAccess::ReadWrite, {}, message);
        ASSERT_TRUE(made) << message;
        NewTableFile built(fields);
        for (int r = 0; r < 3; ++r) {
            made->d4appendStart(0);
            std::string record = " ";
            for (std::size_t f = 0; f < fields.size(); ++f) {
                const std::string text =
                    fields[f].type == 'C'
                        ? FitFieldText("T" + std::to_string(r), fields[f].width)
                        : *FormatFieldNumber(r, fields[f].width, fields[f].decimals);
                made->f4assign(static_cast<int>(f + 1), text);
                record += text;
            }
            ASSERT_EQ(made->d4append(), r4success);
            built.add(record);
        }
        made.reset();
        const std::string_view bytes = built.finish();
        std::vector<unsigned char> expected = ReadBytes(dir.File("made.dat"));
        std::vector<unsigned char> actual(bytes.begin(), bytes.end());
        ASSERT_EQ(actual.size(), expected.size()) << SchemaOf(which).fileName;
        std::copy(expected.begin() + 1, expected.begin() + 4, actual.begin() + 1); // the date
        EXPECT_TRUE(actual == expected) << SchemaOf(which).fileName;
    }
}

} // namespace
