#include "formlib/Windows1252.h"

#include "text/Windows1252.h"

QString FromWindows1252(std::string_view text) {
    return QString::fromStdString(Utf8From1252(text));
}
