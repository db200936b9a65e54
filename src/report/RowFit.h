#pragma once
// Keeping the texts of one row of the summary apart, in whatever unit the page is measured (text
// grid columns, window pixels): a text that may be cut ends a gap before the next one; any other
// text that would come too close pushes the next one right.

#include <climits>
#include <vector>

// Where a text's visible part (its leading and trailing blanks left out) lies on its row.
struct RowText {
    int start = 0;
    int end = 0; // one past the last visible unit
    bool mayCut = false;
};

// What the row does to one text: how far it moves right, and where its visible part must end
// (INT_MAX: wherever it ends).
struct RowFit {
    int shift = 0;
    int limit = INT_MAX;
};

// One result per text, in the order given. The texts are taken from left to right by start
// (ties in the order given); neighbours end up at least `gap` apart.
std::vector<RowFit> FitRow(const std::vector<RowText>& texts, int gap);
