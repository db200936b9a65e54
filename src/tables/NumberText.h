#pragma once
// Numbers as they are written into a table: the one plain way the program takes them ("-12",
// "0.5", ".5": an optional minus sign, digits and a decimal point; no blanks inside, no plus sign,
// no exponent), and the forms spreadsheets save a number cell in (thousands separators, a
// currency sign, a decimal comma). The digits are kept as written, so a number is stored exactly
// and a minus zero is plain zero.

#include <optional>
#include <string>
#include <string_view>

struct NumberText {
    bool negative = false; // never for zero
    std::string whole;     // integer digits without leading zeros ("" for none)
    std::string fraction;  // digits after the decimal mark without trailing zeros

    double value() const;
    // "-12.5", "0", "0.25": the plain form.
    std::string plain() const;
};

// The decimal mark of a spreadsheet's number cells: a point, with ',' between thousands, or a
// comma, with '.' or a blank between thousands (as files with ';' between columns are written).
enum class DecimalMark { Point, Comma };

// The plain form only.
std::optional<NumberText> ReadPlainNumber(std::string_view text);

// The plain form, or a spreadsheet's: blanks around it, thousands grouped in threes ("12,400"),
// a currency sign ($, € or £) before or after it ("$1,234", "-$5", "1.234,50 €"), and with
// DecimalMark::Comma a decimal comma. Nothing else: no exponent, plus sign or stray text.
std::optional<NumberText> ReadSpreadsheetNumber(std::string_view text, DecimalMark mark);

// The number right-aligned in `width` characters with exactly `decimals` decimals, as a numeric
// table field stores it; nothing when it has more decimals or does not fit.
std::optional<std::string> FormatStoredNumber(const NumberText& number, int width, int decimals);
