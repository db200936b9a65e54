#pragma once
// One description per field of the reference tables: beyond fitting its width and decimals
// (TableSchemas), what a value must be to make sense: a range, a set of letters, a name long
// enough to tell apart; and the rules that tie the fields of one record together. The CSV import
// checks every row against them, and the dialogs that edit the tables take their ranges and
// checks from here, so a value refused in one place is refused in all.

#include "tables/TableSchemas.h"

#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct NumberRange {
    double low;
    double high;
    bool aboveLow = false; // the value must be greater than `low`, not equal to it

    bool holds(double value) const {
        return (aboveLow ? value > low : value >= low) && value <= high;
    }
};

inline constexpr double Unbounded = std::numeric_limits<double>::max();

// Ranges a table field shares with a dialog field.
// "Factor &Value" of Add / Edit Insulation, and FACTOR.
inline constexpr NumberRange InsulationFactorRange{0.0, 120.0, true};
// "Entering &Temp/f" of Product Selection; a product's freezing point (FREEZE) lies within it.
inline constexpr NumberRange ProductTemperatureRange{-50.0, 330.0};
// "Resp &Factor" of Product Selection; the respiration heat it suggests (HRESP) lies within it.
inline constexpr NumberRange RespirationFactorRange{0.0, 400.0};

struct FieldRule {
    const char* field;
    // Numbers: the range, a further test, and what a refused value is told. With `namesValue`
    // the message starts with the value ("5 is not a suction class ...").
    NumberRange range{-Unbounded, Unbounded};
    bool (*accepts)(double value) = nullptr;
    const char* refusal = nullptr;
    bool namesValue = false;
    // Texts, with the blanks at either end removed: at least `minLength` characters (`what` the
    // text is called when it is empty), the first letter stored upper-case when `capitalised`.
    int minLength = 0;
    const char* what = nullptr;
    bool capitalised = false;
    // A one-letter field: the letters it takes, in either case; stored upper-case.
    const char* letters = nullptr;
};

// The rules of every field of `which`, in the table's field order.
std::span<const FieldRule> FieldRulesOf(ReferenceTable which);
const FieldRule& FieldRuleOf(ReferenceTable which, std::string_view field);

// Why a number, as its field stores it, is refused; empty when it is not.
std::string NumberFault(const FieldRule& rule, double value);
// Why a text (Windows-1252, blanks at its ends removed) is refused; empty when it is not.
std::string TextFault(const FieldRule& rule, std::string_view text);

// One record's values in the table's field order: numbers as stored (absent where one could not
// be read), texts without the blanks at their ends.
struct RecordFields {
    std::vector<std::optional<double>> numbers;
    std::vector<std::string> texts;
};

// The rules that tie a record's fields together (packaging not heavier than the package,
// capacities that do not rise with the ambient, a unit with some capacity). Each fault goes to
// `fault` with the field it is told at.
using RecordFault = std::function<void(const char* field, std::string reason)>;
void CheckRecordRules(ReferenceTable which, const RecordFields& record, const RecordFault& fault);

// Whether a record built by the program (a dialog, a job's product) passes every field rule and
// record rule; numbers are taken as their field stores them (rounded to its decimals).
bool RecordAcceptable(ReferenceTable which, RecordFields record);

// Case-free comparison of Windows-1252 texts: the text with every letter upper-cased.
std::string FoldedCase(std::string_view text);
