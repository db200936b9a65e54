#pragma once

#include <QString>

#include <string_view>

// Page texts are 8-bit Windows-1252; Qt draws Unicode.
QString FromWindows1252(std::string_view text);
