#include "Csv.h"

bool ReadCsvRecord(std::istream& in, std::vector<std::string>& fields, std::string& error) {
    fields.clear();
    error.clear();
    std::string line;
    if (!std::getline(in, line))
        return false;
    std::string field;
    bool quoted = false;
    std::size_t i = 0;
    while (true) {
        if (i == line.size()) {
            if (!quoted)
                break;
            std::string more;
            if (!std::getline(in, more)) {
                error = "a quoted field is not closed";
                return true;
            }
            field += '\n';
            line = std::move(more);
            i = 0;
            continue;
        }
        const char c = line[i++];
        if (quoted) {
            if (c != '"')
                field += c;
            else if (i < line.size() && line[i] == '"') {
                field += '"';
                ++i;
            } else
                quoted = false;
        } else if (c == '"')
            quoted = true;
        else if (c == ',') {
            fields.push_back(std::move(field));
            field.clear();
        } else if (c != '\r' || i != line.size())
            field += c;
    }
    fields.push_back(std::move(field));
    return true;
}
