#include "tables/CsvReader.h"

#include <algorithm>

namespace {

bool OnlyEmptyCells(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(), [](const std::string& field) {
        return field.find_first_not_of(" \t") == std::string::npos;
    });
}

} // namespace

bool CsvReader::Next(CsvRecord& record) {
    while (at_ < text_.size()) {
        ReadRecord(record);
        if (!record.fault.empty() || !OnlyEmptyCells(record.fields))
            return true;
    }
    return false;
}

bool CsvReader::LineEndAt(std::size_t at, std::size_t& length) const {
    if (text_[at] == '\n') {
        length = 1;
        return true;
    }
    if (text_[at] == '\r') {
        length = at + 1 < text_.size() && text_[at + 1] == '\n' ? 2 : 1;
        return true;
    }
    return false;
}

void CsvReader::Fault(CsvRecord& record, int line, const char* what) {
    if (record.fault.empty()) {
        record.fault = what;
        record.faultLine = line;
    }
}

void CsvReader::ReadRecord(CsvRecord& record) {
    record.line = line_;
    record.fault.clear();
    record.faultLine = 0;
    std::size_t count = 0;
    const auto nextField = [&record, &count]() -> std::string& {
        if (count == record.fields.size())
            record.fields.emplace_back();
        std::string& field = record.fields[count++];
        field.clear();
        return field;
    };
    std::string* field = &nextField();
    bool quoted = false;
    bool closed = false; // the field's closing quote has been read
    int quoteLine = 0;
    std::size_t quoteAt = 0;
    while (true) {
        if (at_ == text_.size()) {
            if (quoted) {
                // Never closed: the record ends with the line the quote opened on.
                Fault(record, quoteLine, "a quoted field is not closed");
                at_ = quoteAt;
                line_ = quoteLine;
                while (at_ < text_.size() && text_[at_] != '\n' && text_[at_] != '\r')
                    ++at_;
                std::size_t length = 0;
                if (at_ < text_.size() && LineEndAt(at_, length)) {
                    at_ += length;
                    ++line_;
                }
            }
            break;
        }
        const char c = text_[at_];
        std::size_t lineEnd = 0;
        if (c == '\0')
            Fault(record, line_, "the file holds binary data (a NUL byte)");
        if (quoted) {
            if (LineEndAt(at_, lineEnd)) {
                field->append(text_.substr(at_, lineEnd));
                at_ += lineEnd;
                ++line_;
                continue;
            }
            ++at_;
            if (c != '"')
                *field += c;
            else if (at_ < text_.size() && text_[at_] == '"') {
                *field += '"';
                ++at_;
            } else {
                quoted = false;
                closed = true;
            }
            continue;
        }
        if (LineEndAt(at_, lineEnd)) {
            at_ += lineEnd;
            ++line_;
            break;
        }
        ++at_;
        if (c == separator_) {
            field = &nextField();
            closed = false;
        } else if (closed) {
            Fault(record, line_, "text after the closing quote of a field");
        } else if (c == '"' && field->empty()) {
            quoted = true;
            quoteLine = line_;
            quoteAt = at_;
        } else if (c == '"') {
            Fault(record, line_, "a quote inside a field that does not start with one");
        } else {
            *field += c;
        }
    }
    record.fields.resize(count);
}
