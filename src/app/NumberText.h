#pragma once
// Counts in the program's messages, with a comma between thousands ("1,204").

#include <string>

std::string WithThousands(long long number);
