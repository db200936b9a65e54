#include "dialogs/Text1252.h"

#include "text/Windows1252.h"

#include <QList>

QString From1252(std::string_view text) {
    return QString::fromStdString(Utf8From1252(text));
}

std::string To1252(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t code : text.toUcs4())
        result.push_back(static_cast<char>(ByteOf1252(code).value_or('?')));
    return result;
}
