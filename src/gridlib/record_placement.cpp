#include "record_placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr std::size_t maxPositionNumbers = 8;
constexpr int margin = 3;
constexpr int fieldGap = 2;
constexpr int labelGap = 3;
constexpr int blockGap = 8;

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::optional<int> ReadNonNegative(std::string_view part) {
    part = Trim(part);
    if (!part.empty() && part.front() == '+')
        part.remove_prefix(1);
    if (part.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : part) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int32_t>::max())
            return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<int> Given(const FieldToPlace& field, std::size_t index) {
    return index < field.profile.size() ? field.profile[index] : std::nullopt;
}

int SaturatedSum(int64_t a, int64_t b) {
    return static_cast<int>(std::clamp<int64_t>(a + b, std::numeric_limits<int32_t>::min(),
                                                std::numeric_limits<int32_t>::max()));
}

} // namespace

std::vector<std::optional<int>> ReadPositionNumbers(std::string_view value) {
    std::vector<std::optional<int>> numbers;
    while (numbers.size() < maxPositionNumbers) {
        const std::size_t comma = value.find(',');
        numbers.push_back(ReadNonNegative(value.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        value.remove_prefix(comma + 1);
    }
    return numbers;
}

std::vector<FieldPlacement> PlaceRecordFields(const std::vector<FieldToPlace>& fields,
                                              int gridHeight) {
    std::vector<FieldPlacement> placed(fields.size());

    // Which fields stack, and in which block each one lands.
    struct Block {
        std::vector<std::size_t> members;
        int widestLabel = 0;
        int widestControl = 0;
    };
    std::vector<Block> blocks(1);
    int y = margin;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldToPlace& field = fields[i];
        if (Given(field, 0) && Given(field, 1))
            continue;
        const int height = std::max(0, field.controlHeight);
        if (!blocks.back().members.empty() && int64_t{y} + height > gridHeight) {
            blocks.emplace_back();
            y = margin;
        }
        Block& block = blocks.back();
        block.members.push_back(i);
        block.widestLabel = std::max(block.widestLabel, field.labelWidth);
        block.widestControl = std::max(block.widestControl, field.controlWidth);
        placed[i].control = {0, y, field.controlWidth, field.controlHeight};
        y = SaturatedSum(y, int64_t{height} + fieldGap);
    }
    int blockLeft = margin;
    for (const Block& block : blocks) {
        const int controlLeft = SaturatedSum(blockLeft, int64_t{block.widestLabel} + labelGap);
        for (std::size_t i : block.members)
            placed[i].control.x = controlLeft;
        blockLeft =
            SaturatedSum(blockLeft, int64_t{block.widestLabel} + block.widestControl + blockGap);
    }

    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldToPlace& field = fields[i];
        PlacementRect& control = placed[i].control;
        control.x = Given(field, 0).value_or(control.x);
        control.y = Given(field, 1).value_or(control.y);
        control.width = Given(field, 2).value_or(field.controlWidth);
        control.height = Given(field, 3).value_or(field.controlHeight);
        PlacementRect& label = placed[i].label;
        label.width = Given(field, 6).value_or(field.labelWidth);
        label.height = Given(field, 7).value_or(control.height);
        label.x =
            Given(field, 4).value_or(SaturatedSum(control.x, -(int64_t{label.width} + labelGap)));
        label.y = Given(field, 5).value_or(control.y);
    }
    return placed;
}
