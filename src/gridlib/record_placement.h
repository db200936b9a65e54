#pragma once

#include <optional>
#include <string_view>
#include <vector>

// Where the fields of a grid's record layout go: each field is a control with a label
// (the column's title) left of it.

struct PlacementRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct FieldToPlace {
    int labelWidth = 0;
    int controlWidth = 0;
    int controlHeight = 0;
    // Numbers read for the field from the profile: control x, y, width, height, then label x,
    // y, width, height. A missing or negative number is placed automatically.
    std::vector<std::optional<int>> profile;
};

struct FieldPlacement {
    PlacementRect control;
    PlacementRect label;
};

// The comma-separated numbers of a profile value. A part that is not a whole number in the
// 32-bit range, or that is negative, gives nothing in its place. At most 8 numbers are read.
std::vector<std::optional<int>> ReadPositionNumbers(std::string_view value);

// Fields without both x and y in the profile stack top to bottom from y = 3, each taking its
// control's height + 2 pixels; a new block starts to the right when the next field would reach
// gridHeight. In a block the controls start after the widest label + 3; the first block starts
// at x = 3, each further one after the previous block's widest label and widest control + 8.
// Numbers given in the profile then replace the automatic ones. A label ends 3 pixels left of
// its control, is as high as the control and as wide as its text, unless the profile places it.
std::vector<FieldPlacement> PlaceRecordFields(const std::vector<FieldToPlace>& fields,
                                              int gridHeight);
