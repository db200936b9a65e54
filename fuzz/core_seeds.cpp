// fuzz_core_seeds SAMPLE.kvj DATA_DIR OUT_DIR
// Writes the seed corpora of the core fuzz targets: OUT_DIR/job (the sample job, whole, cut and
// with trailing bytes), OUT_DIR/kvi (a selector byte, a written DEFAULTS.KVI and SUBMIT.KVI,
// whole and cut), OUT_DIR/table (a selector byte and each shipped table, whole and cut) and
// OUT_DIR/csv (a selector byte and the start of each shipped table's CSV export).

#include "job/DefaultsFile.h"
#include "job/Submitter.h"
#include "tables/ReferenceTables.h"
#include "tables/TableCsv.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

Bytes ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteSeed(const fs::path& path, const Bytes& bytes, std::size_t cut) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(std::min(cut, bytes.size())));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

// The whole bytes, and the bytes cut at the given lengths.
void WriteSeeds(const fs::path& folder, const std::string& name, const Bytes& bytes,
                const std::vector<std::size_t>& cuts) {
    WriteSeed(folder / (name + "-whole"), bytes, bytes.size());
    for (const std::size_t cut : cuts)
        if (cut < bytes.size())
            WriteSeed(folder / (name + "-cut" + std::to_string(cut)), bytes, cut);
}

// A table (after its selector byte) cut to its first `count` records, with the header's record
// count and the end-of-file mark to match: a small valid table.
Bytes FirstRecords(const Bytes& table, uint32_t count) {
    if (table.size() < 13)
        return table;
    const std::size_t header = table[9] | table[10] << 8;
    const std::size_t length = table[11] | table[12] << 8;
    const std::size_t end = 1 + header + count * length;
    if (end >= table.size())
        return table;
    Bytes cut(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(end));
    for (std::size_t i = 0; i < 4; ++i)
        cut[5 + i] = static_cast<unsigned char>(count >> (8 * i));
    cut.push_back(0x1A);
    return cut;
}

Bytes WrittenSideFile(const fs::path& folder, const std::string& name,
                      const std::function<FileResult(const std::string&)>& write) {
    const fs::path path = folder / name;
    const FileResult written = write(path.string());
    if (!written.ok)
        throw std::runtime_error(written.message);
    Bytes bytes = ReadAll(path);
    fs::remove(path);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: fuzz_core_seeds SAMPLE.kvj DATA_DIR OUT_DIR\n";
        return 1;
    }
    try {
        const fs::path out = argv[3];
        for (const char* kind : {"job", "kvi", "table", "csv"})
            fs::create_directories(out / kind);

        Bytes job = ReadAll(argv[1]);
        WriteSeeds(out / "job", "sample", job, {5, 6, 38, 300, 1200, 2293, job.size() - 1});
        Bytes longer = job;
        longer.insert(longer.end(), 64, 0xA5);
        WriteSeed(out / "job" / "sample-long", longer, longer.size());

        const Bytes defaults = WrittenSideFile(out, DefaultsFileName, [](const std::string& p) {
            return WriteDefaultsFile(BuiltInDefaults(), p);
        });
        TSubmitter company{};
        std::strcpy(company.companyName, "Acme Refrigeration");
        std::strcpy(company.companyAddress, "12 Frost Lane");
        std::strcpy(company.companyContact, "J. Cole");
        std::strcpy(company.companyTelephone, "555-0100");
        std::strcpy(company.companyFax, "555-0101");
        const Bytes submitter = WrittenSideFile(out, SubmitterFileName, [&](const std::string& p) {
            return WriteSubmitter(company, p);
        });
        for (const unsigned char freezer : {0x00, 0x80}) {
            Bytes both{static_cast<unsigned char>(freezer | defaults.size())};
            both.insert(both.end(), defaults.begin(), defaults.end());
            both.insert(both.end(), submitter.begin(), submitter.end());
            WriteSeeds(out / "kvi", freezer ? "freezer" : "cooler", both, {1, 30, 117, 200});
            Bytes noDefaults{static_cast<unsigned char>(freezer | 0x7F)};
            noDefaults.insert(noDefaults.end(), submitter.begin(), submitter.end());
            WriteSeed(out / "kvi" / (freezer ? "freezer-builtin" : "cooler-builtin"), noDefaults,
                      noDefaults.size());
        }

        for (std::size_t t = 0; t < AllReferenceTables.size(); ++t) {
            const TableSchema& schema = SchemaOf(AllReferenceTables[t]);
            Bytes table{static_cast<unsigned char>(t)};
            const Bytes file = ReadAll(fs::path(argv[2]) / schema.fileName);
            table.insert(table.end(), file.begin(), file.end());
            const std::size_t header = file.size() > 9 ? (file[8] | file[9] << 8) : 0;
            WriteSeeds(
                out / "table", schema.fileName, table,
                {1, 33, 1 + header, 1 + header + (file.size() - header) / 2, table.size() - 1});
            const Bytes small = FirstRecords(table, 5);
            WriteSeed(out / "table" / (std::string(schema.fileName) + "-first5"), small,
                      small.size());

            std::string message;
            const std::unique_ptr<Table> opened =
                OpenReferenceTable(argv[2], AllReferenceTables[t], message);
            if (!opened)
                throw std::runtime_error(message);
            const std::string csv = TableToCsv(*opened, AllReferenceTables[t]);
            // The header and the whole rows of the first 2000 characters.
            const std::size_t end = csv.rfind('\n', 2000) + 1;
            Bytes seed{static_cast<unsigned char>(t)};
            seed.insert(seed.end(), csv.begin(), csv.begin() + static_cast<std::ptrdiff_t>(end));
            WriteSeed(out / "csv" / schema.fileName, seed, seed.size());
        }
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
