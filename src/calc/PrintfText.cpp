#include "calc/PrintfText.h"

#include <cstdlib>

double RoundedAsPrinted(const char* format, double value) {
    return std::strtod(Format(format, value).c_str(), nullptr);
}
