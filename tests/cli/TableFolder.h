#pragma once
// A test whose temporary folder holds the four shipped tables, with helpers to import CSV text
// into them with quelbox-cli and to read them back as CSV.

#include "ProgramRun.h"
#include "TempFolder.h"
#include "tables/ShippedTables.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

class TableFolder : public ::testing::Test {
protected:
    void SetUp() override {
        for (ReferenceTable which : AllReferenceTables) {
            std::string message;
            ASSERT_TRUE(RestoreMissingTable(dir.Path(), which, ShippedTableFolders(), message))
                << message;
            shipped[SchemaOf(which).fileName] = ReadBytes(dir.File(SchemaOf(which).fileName));
        }
    }
    void WriteText(const std::string& name, const std::string& text) {
        std::ofstream(dir.File(name), std::ios::binary) << text;
    }
    // Imports `text`, saved as in.csv, into `table`.
    ProgramRun ImportText(const std::string& table, const std::string& text) {
        WriteText("in.csv", text);
        return RunQuelboxCli({"table", "import", table, dir.File("in.csv"), "--dir", dir.Path()});
    }
    // The table as `table export` writes it.
    std::string ExportOf(const std::string& table) {
        const ProgramRun run = RunQuelboxCli({"table", "export", table, "--dir", dir.Path()});
        EXPECT_EQ(run.status, 0) << run.err;
        return run.out;
    }
    bool Unchanged(const std::string& table) {
        return ReadBytes(dir.File(table)) == shipped[table];
    }

    TempFolder dir;
    std::map<std::string, std::vector<unsigned char>> shipped;
};

inline constexpr const char* UnitsHeader =
    "MODEL,BTUA,BTUB,BTUC,BTUD,BTUE,BTUF,BTUG,BTUH,BTUI,BTUJ,BTUK,EVAP,NOMHP,BRAND,HFLAG\n";
inline constexpr const char* ProductHeader =
    "PRODUCT,FREEZE,SPA,SPB,LATENT,HRESP,PKGTYPE,PKGSIZE,GROSS_WT,PKG_WT,PKG_SPA,PKG_BTU,"
    "CALCFLAG,STORETEMP,STORERH,STORELIFE,CATEG\n";
inline constexpr const char* InsulHeader = "INSULATION,FACTOR,KU\n";
inline constexpr const char* CoilsHeader = "MODEL,EVAP,BTUH,STYLE,FINS,AEG,BRAND\n";
