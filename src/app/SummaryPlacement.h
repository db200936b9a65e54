#pragma once
// Where the window puts the summary page's texts: items at column x times the column width and
// row y times the line height, in the page's two fonts, kept apart on their rows.

#include "report/SummaryPage.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <cstddef>
#include <vector>

// The page's fonts and measures: "Courier" 14 for detail rows, bold "Helvetica" 16 for headings
// (Liberation Mono and Liberation Sans where those faces are missing); the line height and the
// column width come from the heading font.
struct SummaryFonts {
    QFont detail;
    QFont heading;
    int columnWidth = 1;
    int lineHeight = 1;
};
SummaryFonts MakeSummaryFonts();

// One text of the page as the window draws it: its visible part (blanks at either end left out),
// where and in which font.
struct PlacedText {
    QString text;
    const QFont* font = nullptr;
    QRect box; // page pixels: the text's advance by the font's height
    int baseline = 0;
    std::size_t item = 0; // the page's item it shows
    bool cut = false;     // shortened to end before the next text, with an ellipsis
    int moved = 0;        // pixels moved right to keep a blank before it
};

// The page's texts placed. Texts of a row keep a blank of the heading font apart: a text that may
// be cut ends before the next one, with an ellipsis; any other text that would come closer moves
// the next one right.
std::vector<PlacedText> PlaceSummary(const SummaryPage& page, const SummaryFonts& fonts);
