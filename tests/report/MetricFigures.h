#pragma once
// Checks that a text shown in SI carries the same figures as its imperial text: every number of
// the SI text, read with the unit after it, equals the imperial number in the same place
// converted, to the precision both texts show; a number without an SI unit is the same number.

#include "calc/UnitConversion.h"

#include <optional>
#include <string>
#include <vector>

// The differences found, one line each; empty when the two texts agree. `columns` gives the
// quantity of figures that carry no unit of their own (a table column whose heading names it),
// by the figure's place in the text.
std::vector<std::string>
MetricFigureErrors(const std::string& imperial, const std::string& si,
                   const std::vector<std::optional<Quantity>>& columns = {});
