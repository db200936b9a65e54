#include "tables/TableCsv.h"

#include "equipment/SuctionClass.h"
#include "tables/CsvReader.h"
#include "tables/FieldText.h"
#include "text/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>

namespace {

std::string Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::optional<double> ParseNumber(const std::string& text) {
    std::string_view digits(text);
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    double value = 0.0;
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(digits.data(), last, value);
    if (digits.empty() || error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Whether `value` is held exactly at `decimals` decimals.
bool HasAtMostDecimals(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double stored = std::round(value * scale) / scale;
    return std::fabs(stored - value) <= 1e-9 * std::max(1.0, std::fabs(value));
}

std::string FieldKind(const FieldDefinition& f) {
    return "N" + std::to_string(f.width) + "." + std::to_string(f.decimals);
}

// One CSV row turned into field texts; faults go to `problems`.
class RowChecker {
public:
    RowChecker(ReferenceTable which, bool utf8, std::vector<CsvProblem>& problems)
        : which_(which), schema_(SchemaOf(which)), utf8_(utf8), problems_(problems) {}

    // Maps the header's names to columns; false when a field has no column.
    bool ReadHeader(const CsvRecord& header) {
        std::map<std::string, std::size_t> named;
        for (std::size_t i = 0; i < header.fields.size(); ++i) {
            const std::string name = Upper(Trim(header.fields[i]));
            if (!name.empty() && !named.emplace(name, i).second)
                Problem(header.line, name, "the header names this column twice");
        }
        columnCount_ = header.fields.size();
        for (const FieldDefinition& f : schema_.fields) {
            const auto found = named.find(f.name);
            if (found == named.end())
                Problem(header.line, f.name, "missing column");
            else
                columns_.push_back(found->second);
        }
        return columns_.size() == schema_.fields.size();
    }

    std::optional<std::vector<std::string>> Check(const CsvRecord& row) {
        line_ = row.line;
        if (row.fields.size() != columnCount_) {
            Problem(line_, "",
                    std::to_string(row.fields.size()) + " cells where the header has " +
                        std::to_string(columnCount_));
            return std::nullopt;
        }
        const std::size_t before = problems_.size();
        std::vector<std::string> texts;
        numbers_.clear();
        for (std::size_t i = 0; i < schema_.fields.size(); ++i) {
            const FieldDefinition& f = schema_.fields[i];
            const std::string& cell = row.fields[columns_[i]];
            texts.push_back(f.type == 'C' ? Text(f, cell) : Number(f, cell));
        }
        CheckRules(texts);
        if (problems_.size() != before)
            return std::nullopt;
        return texts;
    }

private:
    void Problem(int line, std::string column, std::string reason) {
        problems_.push_back({line, std::move(column), std::move(reason)});
    }

    std::string Text(const FieldDefinition& f, const std::string& cell) {
        std::optional<std::string> text = utf8_ ? Utf8To1252(cell) : cell;
        if (!text) {
            Problem(line_, f.name, "holds a character Windows-1252 does not have");
            return {};
        }
        if (std::any_of(text->begin(), text->end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; })) {
            Problem(line_, f.name, "holds a line break or another control character");
            return {};
        }
        if (text->size() > static_cast<std::size_t>(f.width)) {
            Problem(line_, f.name,
                    std::to_string(text->size()) + " characters, more than the field's " +
                        std::to_string(f.width));
            return {};
        }
        return FitFieldText(*text, f.width);
    }

    std::string Number(const FieldDefinition& f, const std::string& cell) {
        const std::string trimmed = Trim(cell);
        if (trimmed.empty()) {
            Problem(line_, f.name, "empty; a number is required");
            return {};
        }
        const std::optional<double> value = ParseNumber(trimmed);
        if (!value) {
            Problem(line_, f.name, "not a number: \"" + trimmed + "\"");
            return {};
        }
        const std::optional<std::string> text = FormatFieldNumber(*value, f.width, f.decimals);
        if (!text) {
            Problem(line_, f.name, trimmed + " does not fit the field (" + FieldKind(f) + ")");
            return {};
        }
        if (!HasAtMostDecimals(*value, f.decimals)) {
            Problem(line_, f.name,
                    trimmed + (f.decimals == 0
                                   ? " is not a whole number"
                                   : " has more than " + std::to_string(f.decimals) + " decimals"));
            return {};
        }
        numbers_[f.name] = *value;
        return *text;
    }

    // The number read for `field`, when it was read without fault.
    std::optional<double> Value(const char* field) const {
        const auto found = numbers_.find(field);
        return found == numbers_.end() ? std::nullopt : std::optional<double>(found->second);
    }

    void InRange(const char* field, double low, double high, const std::string& meaning) {
        const std::optional<double> v = Value(field);
        if (v && (*v < low || *v > high))
            Problem(line_, field, meaning);
    }

    void KnownSuctionClass() {
        const std::optional<double> evap = Value("EVAP");
        if (!evap)
            return;
        const auto value = static_cast<int32_t>(*evap);
        if (SuctionClass(value, 0) != value)
            Problem(line_, "EVAP",
                    std::to_string(value) +
                        " is not a suction class (-50, -45 ... -5, 0, 10, 15 ... 70)");
    }

    void CapacitiesFallWithAmbient() {
        for (int j = FirstCapacityField; j < LastCapacityField; ++j) {
            const std::string cooler = CapacityColumnName(j);
            const std::string hotter = CapacityColumnName(j + 1);
            const std::optional<double> a = Value(cooler.c_str());
            const std::optional<double> b = Value(hotter.c_str());
            if (a && b && *b > *a)
                Problem(line_, hotter,
                        "capacity rises with ambient: " + std::to_string(static_cast<long>(*b)) +
                            " is above " + cooler + " " + std::to_string(static_cast<long>(*a)));
        }
    }

    // The stored text of `field` without its blanks.
    std::string TextOf(const std::vector<std::string>& texts, const char* field) const {
        for (std::size_t i = 0; i < schema_.fields.size(); ++i)
            if (schema_.fields[i].name == std::string_view(field))
                return Trim(texts[i]);
        return {};
    }

    void NotEmpty(const std::vector<std::string>& texts, const char* field, const char* what) {
        if (TextOf(texts, field).empty() && !HadFault(field))
            Problem(line_, field, std::string("empty ") + what);
    }

    bool HadFault(const char* field) const {
        return std::any_of(problems_.begin(), problems_.end(), [&](const CsvProblem& p) {
            return p.line == line_ && p.column == field;
        });
    }

    // Keys must not repeat: one record per name, or per model and suction class.
    void Unique(const std::vector<std::string>& texts, const char* field, bool perClass) {
        if (TextOf(texts, field).empty())
            return;
        std::string key;
        for (std::size_t i = 0; i < schema_.fields.size(); ++i)
            if (schema_.fields[i].name == std::string_view(field) ||
                (perClass && schema_.fields[i].name == std::string_view("EVAP")))
                key += texts[i] + '\n';
        const auto [at, added] = keys_.emplace(key, line_);
        if (!added)
            Problem(line_, field,
                    std::string(perClass ? "model and suction class" : "name") +
                        " already on line " + std::to_string(at->second));
    }

    void CheckRules(const std::vector<std::string>& texts) {
        switch (which_) {
        case ReferenceTable::Insul:
            NotEmpty(texts, "INSULATION", "insulation name");
            Unique(texts, "INSULATION", false);
            if (const std::string ku = TextOf(texts, "KU");
                ku != "K" && ku != "U" && !HadFault("KU"))
                Problem(line_, "KU", "must be K (per inch) or U (whole construction)");
            InRange("FACTOR", 0.0, 120.0, "must be 0 to 120");
            break;
        case ReferenceTable::Product:
            NotEmpty(texts, "PRODUCT", "product name");
            Unique(texts, "PRODUCT", false);
            InRange("CALCFLAG", 0, 3, "must be 0, 1, 2 or 3");
            break;
        case ReferenceTable::Units:
            NotEmpty(texts, "MODEL", "model");
            KnownSuctionClass();
            Unique(texts, "MODEL", true);
            for (int j = FirstCapacityField; j <= LastCapacityField; ++j)
                InRange(CapacityColumnName(j).c_str(), 0, 1e9, "must not be negative");
            CapacitiesFallWithAmbient();
            InRange("NOMHP", 0, 1e9, "must not be negative");
            InRange("HFLAG", 0, 9, "must be 0 (semi-hermetic) or 1 to 9 (welded)");
            break;
        case ReferenceTable::Coils:
            NotEmpty(texts, "MODEL", "model");
            KnownSuctionClass();
            Unique(texts, "MODEL", true);
            InRange("BTUH", 0, 1e9, "must not be negative");
            InRange("FINS", 0, 99, "must not be negative");
            InRange("AEG", 0, 2, "must be 0 (air), 1 (electric) or 2 (gas) defrost");
            break;
        }
    }

    ReferenceTable which_;
    const TableSchema& schema_;
    bool utf8_;
    std::vector<CsvProblem>& problems_;
    std::vector<std::size_t> columns_;
    std::size_t columnCount_ = 0;
    int line_ = 0;
    std::map<std::string, double> numbers_;
    std::map<std::string, int> keys_;
};

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos &&
        (text.empty() || (text.front() != ' ' && text.back() != ' ')))
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

} // namespace

CheckedTableCsv CheckTableCsv(ReferenceTable which, std::string_view text) {
    CheckedTableCsv checked;
    const CsvText csv = ReadCsv(text);
    if (!csv.error.empty()) {
        checked.problems.push_back({csv.errorLine, "", csv.error});
        return checked;
    }
    if (csv.records.empty()) {
        checked.problems.push_back({1, "", "the file is empty; a header line is required"});
        return checked;
    }
    const bool utf8 = csv.hadByteOrderMark || IsUtf8(text);
    RowChecker rows(which, utf8, checked.problems);
    if (!rows.ReadHeader(csv.records.front()))
        return checked;
    if (csv.records.size() == 1) {
        checked.problems.push_back({csv.records.front().line, "", "no records after the header"});
        return checked;
    }
    for (std::size_t r = 1; r < csv.records.size(); ++r) {
        if (std::optional<std::vector<std::string>> record = rows.Check(csv.records[r])) {
            checked.records.push_back(std::move(*record));
            checked.lines.push_back(csv.records[r].line);
        }
    }
    return checked;
}

std::string DescribeProblem(const std::string& file, const CsvProblem& problem) {
    std::string text = file + ":" + std::to_string(problem.line) + ": ";
    if (!problem.column.empty())
        text += "column " + problem.column + ": ";
    return text + problem.reason;
}

std::string TableToCsv(Table& table, ReferenceTable which) {
    const TableSchema& schema = SchemaOf(which);
    std::string out;
    for (std::size_t i = 0; i < schema.fields.size(); ++i)
        out += (i ? "," : "") + std::string(schema.fields[i].name);
    out += '\n';
    for (int32_t r = 1; r <= table.d4recCountDo(); ++r) {
        if (table.d4go(r) != r4success || table.d4deleted())
            continue;
        for (std::size_t i = 0; i < schema.fields.size(); ++i) {
            const FieldDefinition& f = schema.fields[i];
            const std::string stored = table.f4str(f.name);
            std::string value;
            if (f.type == 'C')
                value = Utf8From1252(stored.substr(0, stored.find_last_not_of(' ') + 1));
            else if ((value = Trim(stored)).empty()) // a blank number reads as 0
                value = Trim(*FormatFieldNumber(0.0, f.width, f.decimals));
            out += (i ? "," : "") + CsvCell(value);
        }
        out += '\n';
    }
    return out;
}

std::string DescribeRecords(ReferenceTable which, const CheckedTableCsv& checked) {
    std::string text = std::to_string(checked.records.size()) + " records";
    if (which != ReferenceTable::Units && which != ReferenceTable::Coils)
        return text;
    const TableSchema& schema = SchemaOf(which);
    std::size_t evap = 0;
    while (schema.fields[evap].name != std::string_view("EVAP"))
        ++evap;
    std::map<int, int> perClass;
    for (const auto& record : checked.records)
        ++perClass[FieldNumberToInt32(ParseFieldNumber(record[evap]))];
    std::string classes;
    for (const auto& [suction, count] : perClass)
        classes += (classes.empty() ? "" : ", ") + std::to_string(suction) +
                   " F: " + std::to_string(count);
    return text + " (" + classes + ")";
}
