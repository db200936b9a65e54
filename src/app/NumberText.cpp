#include "app/NumberText.h"

std::string WithThousands(long long number) {
    const std::string digits = std::to_string(number < 0 ? -(number + 1) + 1ULL : number + 0ULL);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return number < 0 ? '-' + grouped : grouped;
}
