#pragma once
// Job and side-file texts are 8-bit Windows-1252; the widgets show Unicode.

#include <QString>

#include <string>
#include <string_view>

QString From1252(std::string_view text);

// Characters Windows-1252 cannot hold become '?', one for each.
std::string To1252(const QString& text);
