#include "tables/CsvReader.h"

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

class CsvScanner {
public:
    explicit CsvScanner(std::string_view text) : text_(text) {}

    CsvText Run() {
        CsvText result;
        if (text_.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
            result.hadByteOrderMark = true;
            at_ = ByteOrderMark.size();
        }
        while (at_ < text_.size()) {
            CsvRecord record;
            record.line = line_;
            if (!ReadRecord(record.fields, result)) {
                result.errorLine = errorLine_;
                return result;
            }
            if (record.fields.size() > 1 || !record.fields[0].empty())
                result.records.push_back(std::move(record));
        }
        return result;
    }

private:
    bool Fail(CsvText& result, int line, std::string what) {
        result.error = std::move(what);
        errorLine_ = line;
        return false;
    }

    // Reads one record up to and including its line end.
    bool ReadRecord(std::vector<std::string>& fields, CsvText& result) {
        std::string field;
        bool quoted = false;
        bool closed = false; // the field's closing quote has been read
        int quoteLine = 0;
        while (true) {
            if (at_ == text_.size()) {
                if (quoted)
                    return Fail(result, quoteLine, "a quoted field is not closed");
                fields.push_back(std::move(field));
                return true;
            }
            const char c = text_[at_++];
            if (c == '\0')
                return Fail(result, line_, "the file holds binary data (a NUL byte)");
            if (c == '\n')
                ++line_;
            if (quoted) {
                if (c != '"')
                    field += c;
                else if (at_ < text_.size() && text_[at_] == '"') {
                    field += '"';
                    ++at_;
                } else {
                    quoted = false;
                    closed = true;
                }
                continue;
            }
            if (c == ',') {
                fields.push_back(std::move(field));
                field.clear();
                closed = false;
            } else if (c == '\n' || (c == '\r' && at_ < text_.size() && text_[at_] == '\n')) {
                if (c == '\r') {
                    ++at_;
                    ++line_;
                }
                fields.push_back(std::move(field));
                return true;
            } else if (closed) {
                return Fail(result, line_, "text after the closing quote of a field");
            } else if (c == '"' && field.empty()) {
                quoted = true;
                quoteLine = line_;
            } else if (c == '"') {
                return Fail(result, line_, "a quote inside a field that does not start with one");
            } else {
                field += c;
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
    int errorLine_ = 0;
};

} // namespace

CsvText ReadCsv(std::string_view text) {
    return CsvScanner(text).Run();
}
