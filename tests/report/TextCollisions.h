#pragma once
// Whether the texts of a page keep clear of each other: the checks the page tests share.

#include <string>
#include <vector>

// One text as drawn, in any unit (page units, pixels, grid columns).
struct TextBox {
    std::string text; // UTF-8, for messages
    int left = 0;     // the cells the text takes, its blanks included
    int right = 0;
    int inkLeft = 0; // its visible part, blanks at either end left out
    int inkRight = 0;
    int top = 0;
    int bottom = 0;
    int gap = 1; // the least room beside its visible part: a blank of its font
};

// One message for each pair of texts on a common line whose visible parts are closer than the
// gap of the left one (overlapping or touching). With `opaqueCells` (text drawn on white cells)
// also each pair where one text's cells cover the other's visible part.
std::vector<std::string> Collisions(const std::vector<TextBox>& texts, bool opaqueCells);
