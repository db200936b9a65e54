#include "tables/TableCsv.h"

#include "tables/CsvEncoding.h"
#include "tables/CsvReader.h"
#include "tables/FieldRules.h"
#include "tables/FieldText.h"
#include "tables/NumberText.h"
#include "text/Windows1252.h"

#include <algorithm>
#include <map>
#include <unordered_set>

namespace {

// A cell's text is shown in a message up to this many bytes.
constexpr std::size_t ShownCellLength = 40;

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return upper;
}

std::string FieldKind(const FieldDefinition& f) {
    return "N" + std::to_string(f.width) + "." + std::to_string(f.decimals);
}

std::vector<std::size_t> FieldOffsets(const TableSchema& schema) {
    std::vector<std::size_t> offsets;
    std::size_t at = 1; // past the deletion mark
    for (const FieldDefinition& f : schema.fields) {
        offsets.push_back(at);
        at += static_cast<std::size_t>(f.width);
    }
    return offsets;
}

// The fields whose texts together must not repeat: a name, or a model within its suction class.
std::vector<std::size_t> KeyFields(ReferenceTable which) {
    if (which == ReferenceTable::Units || which == ReferenceTable::Coils)
        return {FieldIndexOf(which, "MODEL"), FieldIndexOf(which, "EVAP")};
    return {0}; // INSULATION, PRODUCT
}

// Keys seen so far, each with the line it came from; keys are compared without letter case.
class KeyIndex {
public:
    explicit KeyIndex(std::size_t keyLength)
        : keyLength_(keyLength), set_(0, Hash{this}, Equal{this}) {}
    KeyIndex(const KeyIndex&) = delete;
    KeyIndex& operator=(const KeyIndex&) = delete;

    // Adds a key of keyLength bytes; returns the line of the same key seen before, or 0.
    int Add(std::string_view key, int line) {
        keys_.append(key);
        lines_.push_back(line);
        const auto [at, added] = set_.insert(static_cast<uint32_t>(lines_.size() - 1));
        if (added)
            return 0;
        keys_.resize(keys_.size() - keyLength_);
        lines_.pop_back();
        return lines_[*at];
    }

private:
    std::string_view Key(uint32_t index) const {
        return std::string_view(keys_).substr(index * keyLength_, keyLength_);
    }
    struct Hash {
        const KeyIndex* index;
        std::size_t operator()(uint32_t i) const {
            return std::hash<std::string_view>{}(index->Key(i));
        }
    };
    struct Equal {
        const KeyIndex* index;
        bool operator()(uint32_t a, uint32_t b) const { return index->Key(a) == index->Key(b); }
    };

    std::size_t keyLength_;
    std::string keys_;
    std::vector<int> lines_;
    std::unordered_set<uint32_t, Hash, Equal> set_;
};

std::size_t KeyLength(ReferenceTable which) {
    std::size_t length = 0;
    for (std::size_t field : KeyFields(which))
        length += static_cast<std::size_t>(SchemaOf(which).fields[field].width);
    return length;
}

// One CSV row after another turned into a table record; each fault goes to the sink.
class RowChecker {
public:
    RowChecker(ReferenceTable which, CsvCharset charset, DecimalMark mark,
               const CsvProblemSink& sink, CheckedTableCsv& out)
        : which_(which), schema_(SchemaOf(which)), rules_(FieldRulesOf(which)), charset_(charset),
          mark_(mark), sink_(sink), out_(out), offsets_(FieldOffsets(schema_)),
          keyFields_(KeyFields(which)), keys_(KeyLength(which)) {
        record_.assign(static_cast<std::size_t>(out_.records.recordLength()), ' ');
        values_.numbers.resize(schema_.fields.size());
        values_.texts.resize(schema_.fields.size());
        fieldFaults_.resize(schema_.fields.size());
    }

    // Maps the header's names to columns; false when a field has no column or a column is named
    // twice (the rows could not be read for certain). A header that holds ';' and misses columns
    // is told what it is instead of every missing column.
    bool ReadHeader(const CsvRecord& header, bool holdsSemicolons) {
        std::map<std::string, std::size_t> named;
        bool twice = false;
        for (std::size_t i = 0; i < header.fields.size(); ++i) {
            std::string name = Upper(TrimSpaces(header.fields[i]));
            if (!name.empty() && !named.emplace(name, i).second) {
                Problem(header.line, name, "the header names this column twice");
                twice = true;
            }
            headerNames_.push_back(std::move(name));
        }
        std::vector<const char*> missing;
        for (const FieldDefinition& f : schema_.fields) {
            const auto found = named.find(f.name);
            if (found == named.end())
                missing.push_back(f.name);
            else
                columns_.push_back(found->second);
        }
        if (!missing.empty() && holdsSemicolons)
            Problem(header.line, "",
                    "the file uses ';' between columns: save it as CSV with commas");
        else
            for (const char* name : missing)
                Problem(header.line, name, "missing column");
        return missing.empty() && !twice;
    }

    void Check(const CsvRecord& row) {
        line_ = row.line;
        if (!row.fault.empty()) {
            Problem(row.faultLine, "", row.fault);
            return;
        }
        if (row.fields.size() != headerNames_.size()) {
            Problem(line_, "",
                    std::to_string(row.fields.size()) + " cells where the header has " +
                        std::to_string(headerNames_.size()));
            return;
        }
        const std::size_t before = out_.problems;
        cellFaults_.assign(row.fields.size(), false);
        if (charset_ == CsvCharset::MixedUtf8)
            FindStrayBytes(row);
        for (std::size_t i = 0; i < schema_.fields.size(); ++i) {
            values_.numbers[i].reset();
            values_.texts[i].clear();
            const std::size_t column = columns_[i];
            const std::size_t faultsBefore = out_.problems;
            if (!cellFaults_[column] && schema_.fields[i].type == 'C')
                Text(i, row.fields[column]);
            else if (!cellFaults_[column])
                Number(i, row.fields[column]);
            fieldFaults_[i] = cellFaults_[column] || out_.problems != faultsBefore;
        }
        CheckRecordRules(which_, values_, [this](const char* field, std::string reason) {
            Problem(line_, field, std::move(reason));
        });
        Unique();
        if (out_.problems == before) {
            out_.records.add(record_);
            out_.lines.push_back(line_);
        }
    }

private:
    void Problem(int line, std::string column, std::string reason) {
        ++out_.problems;
        sink_({line, std::move(column), std::move(reason)});
    }

    // A cell's text for a message: UTF-8, and not too long (cut between characters).
    std::string Shown(std::string_view cell) const {
        std::string shown(cell);
        if (shown.size() > ShownCellLength) {
            std::size_t cut = ShownCellLength;
            while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80)
                --cut;
            shown = shown.substr(0, cut) + "...";
        }
        return charset_ != CsvCharset::Windows1252 && IsUtf8(shown) ? shown : Utf8From1252(shown);
    }

    void FindStrayBytes(const CsvRecord& row) {
        for (std::size_t c = 0; c < row.fields.size(); ++c) {
            if (IsUtf8(row.fields[c]))
                continue;
            cellFaults_[c] = true;
            Problem(line_, headerNames_[c],
                    "holds bytes that are not UTF-8, though the rest of the file is: save the "
                    "file as UTF-8 again");
        }
    }

    void Store(std::size_t field, std::string_view text) {
        const auto width = static_cast<std::size_t>(schema_.fields[field].width);
        std::fill_n(record_.begin() + static_cast<std::ptrdiff_t>(offsets_[field]), width, ' ');
        record_.replace(offsets_[field], text.size(), text);
    }

    void Text(std::size_t i, const std::string& cell) {
        const FieldDefinition& f = schema_.fields[i];
        const FieldRule& rule = rules_[i];
        const std::string_view trimmed = TrimSpaces(cell);
        std::optional<std::string> text = charset_ == CsvCharset::Windows1252
                                              ? std::optional<std::string>(trimmed)
                                              : Utf8To1252(trimmed);
        if (!text)
            return Problem(line_, f.name, "holds a character Windows-1252 does not have");
        if (std::any_of(text->begin(), text->end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            return Problem(line_, f.name, "holds a line break or another control character");
        if (rule.letters != nullptr)
            *text = FoldedCase(*text);
        if (const std::string fault = TextFault(rule, *text); !fault.empty())
            return Problem(line_, f.name, fault);
        if (rule.capitalised && !text->empty() && (*text)[0] >= 'a' && (*text)[0] <= 'z')
            (*text)[0] = static_cast<char>((*text)[0] - 'a' + 'A');
        if (text->size() > static_cast<std::size_t>(f.width))
            return Problem(line_, f.name,
                           std::to_string(text->size()) + " characters, more than the field's " +
                               std::to_string(f.width));
        Store(i, *text);
        values_.texts[i] = std::move(*text);
    }

    void Number(std::size_t i, const std::string& cell) {
        const FieldDefinition& f = schema_.fields[i];
        const std::string_view trimmed = TrimSpaces(cell);
        if (trimmed.empty())
            return Problem(line_, f.name, "empty; a number is required");
        const std::optional<NumberText> number = ReadSpreadsheetNumber(trimmed, mark_);
        if (!number) {
            const bool pointInCommaFile =
                mark_ == DecimalMark::Comma && trimmed.find('.') != std::string_view::npos;
            return Problem(line_, f.name,
                           "not a number: \"" + Shown(trimmed) + "\"" +
                               (pointInCommaFile ? " (the file has ';' between columns, so its "
                                                   "decimals take a comma)"
                                                 : ""));
        }
        if (number->fraction.size() > static_cast<std::size_t>(f.decimals))
            return Problem(line_, f.name,
                           Shown(trimmed) + (f.decimals == 0
                                                 ? " is not a whole number"
                                                 : " has more than " + std::to_string(f.decimals) +
                                                       " decimals"));
        const std::optional<std::string> stored = FormatStoredNumber(*number, f.width, f.decimals);
        if (!stored)
            return Problem(line_, f.name,
                           Shown(trimmed) + " does not fit the field (" + FieldKind(f) + ")");
        const double value = number->value();
        if (const std::string fault = NumberFault(rules_[i], value); !fault.empty())
            return Problem(line_, f.name, fault);
        Store(i, *stored);
        values_.numbers[i] = value;
    }

    // Keys must not repeat: one record per name, or per model and suction class. The key of a
    // row with faults elsewhere counts too.
    void Unique() {
        key_.clear();
        for (std::size_t field : keyFields_)
            if (fieldFaults_[field])
                return;
        for (std::size_t field : keyFields_)
            key_ += FoldedCase(std::string_view(record_).substr(
                offsets_[field], static_cast<std::size_t>(schema_.fields[field].width)));
        if (const int earlier = keys_.Add(key_, line_))
            Problem(line_, schema_.fields[0].name,
                    std::string(keyFields_.size() > 1 ? "model and suction class" : "name") +
                        " already on line " + std::to_string(earlier));
    }

    ReferenceTable which_;
    const TableSchema& schema_;
    std::span<const FieldRule> rules_;
    CsvCharset charset_;
    DecimalMark mark_;
    const CsvProblemSink& sink_;
    CheckedTableCsv& out_;
    std::vector<std::size_t> offsets_;
    std::vector<std::size_t> columns_;
    std::vector<std::string> headerNames_;
    int line_ = 0;
    std::string record_;
    RecordFields values_;
    std::vector<bool> cellFaults_;  // per cell of the row: stray bytes
    std::vector<bool> fieldFaults_; // per field: a fault was told
    std::vector<std::size_t> keyFields_;
    std::string key_;
    KeyIndex keys_;
};

// ';' when the header line has no comma and ';' splits it into every column of the table, as a
// European spreadsheet saves it; ',' otherwise.
char ChooseSeparator(std::string_view text, const TableSchema& schema) {
    CsvReader probe(text, ';');
    CsvRecord header;
    if (!probe.Next(header) || header.fields.size() < 2)
        return ',';
    std::vector<std::string> names;
    for (const std::string& cell : header.fields) {
        if (cell.find(',') != std::string::npos)
            return ',';
        names.push_back(Upper(TrimSpaces(cell)));
    }
    for (const FieldDefinition& f : schema.fields)
        if (std::find(names.begin(), names.end(), f.name) == names.end())
            return ',';
    return ';';
}

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

CheckedTableCsv::CheckedTableCsv(ReferenceTable which)
    : records(SchemaOf(which).fields), which_(which) {}

std::vector<std::string> CheckedTableCsv::fields(std::size_t index) const {
    const std::string_view record = records.record(index);
    std::vector<std::string> texts;
    std::size_t at = 1;
    for (const FieldDefinition& f : SchemaOf(which_).fields) {
        texts.emplace_back(record.substr(at, static_cast<std::size_t>(f.width)));
        at += static_cast<std::size_t>(f.width);
    }
    return texts;
}

CheckedTableCsv CheckTableCsv(ReferenceTable which, std::string bytes, const CsvProblemSink& sink) {
    CheckedTableCsv checked(which);
    const CsvCharset charset = DecodeCsvBytes(bytes);
    const TableSchema& schema = SchemaOf(which);
    const char separator = ChooseSeparator(bytes, schema);
    RowChecker rows(which, charset, separator == ';' ? DecimalMark::Comma : DecimalMark::Point,
                    sink, checked);
    const auto problem = [&](int line, const std::string& reason) {
        ++checked.problems;
        sink({line, "", reason});
    };
    // Room for as many records as the text can hold (a line, and a byte for each field, per
    // record), so that they are never copied while they grow.
    const auto lineEnds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n') +
                                                   std::count(bytes.begin(), bytes.end(), '\r'));
    checked.records.reserve(std::min(lineEnds + 1, bytes.size() / schema.fields.size() + 1));
    CsvReader reader(bytes, separator);
    CsvRecord record;
    if (!reader.Next(record)) {
        problem(1, "the file is empty; a header line is required");
        return checked;
    }
    if (!record.fault.empty()) {
        problem(record.faultLine, record.fault);
        return checked;
    }
    const int headerLine = record.line;
    const bool holdsSemicolons =
        std::any_of(record.fields.begin(), record.fields.end(),
                    [](const std::string& cell) { return cell.find(';') != std::string::npos; });
    if (!rows.ReadHeader(record, holdsSemicolons))
        return checked;
    bool anyRow = false;
    while (reader.Next(record)) {
        anyRow = true;
        rows.Check(record);
    }
    if (!anyRow)
        problem(headerLine, "no records after the header");
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
            else if ((value = std::string(TrimSpaces(stored))).empty()) // a blank number is 0
                value = std::string(TrimSpaces(*FormatFieldNumber(0.0, f.width, f.decimals)));
            out += (i ? "," : "") + CsvCell(value);
        }
        out += '\n';
    }
    return out;
}

std::string DescribeRecords(ReferenceTable which, const CheckedTableCsv& checked) {
    std::string text = std::to_string(checked.records.count()) + " records";
    if (which != ReferenceTable::Units && which != ReferenceTable::Coils)
        return text;
    const TableSchema& schema = SchemaOf(which);
    const std::vector<std::size_t> offsets = FieldOffsets(schema);
    const std::size_t evap = FieldIndexOf(which, "EVAP");
    const auto width = static_cast<std::size_t>(schema.fields[evap].width);
    std::map<int, int> perClass;
    for (std::size_t r = 0; r < checked.records.count(); ++r)
        ++perClass[FieldNumberToInt32(
            ParseFieldNumber(checked.records.record(r).substr(offsets[evap], width)))];
    std::string classes;
    for (const auto& [suction, count] : perClass)
        classes += (classes.empty() ? "" : ", ") + std::to_string(suction) +
                   " F: " + std::to_string(count);
    return text + " (" + classes + ")";
}
