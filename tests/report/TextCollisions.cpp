#include "TextCollisions.h"

#include <algorithm>

namespace {

bool Visible(const TextBox& t) {
    return t.inkRight > t.inkLeft;
}

bool CommonLine(const TextBox& a, const TextBox& b) {
    return std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

bool TooClose(const TextBox& left, const TextBox& right) {
    return right.inkLeft < left.inkRight + left.gap;
}

bool Covers(const TextBox& cells, const TextBox& ink) {
    return cells.left < ink.inkRight && ink.inkLeft < cells.right;
}

} // namespace

std::vector<std::string> Collisions(const std::vector<TextBox>& texts, bool opaqueCells) {
    std::vector<std::string> found;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const TextBox& a = texts[i];
            const TextBox& b = texts[j];
            if (!Visible(a) || !Visible(b) || !CommonLine(a, b))
                continue;
            const bool aFirst = a.inkLeft <= b.inkLeft;
            const bool close = aFirst ? TooClose(a, b) : TooClose(b, a);
            const bool covered = opaqueCells && (Covers(a, b) || Covers(b, a));
            if (close || covered)
                found.push_back("\"" + a.text + "\" and \"" + b.text + "\" " +
                                (close ? "touch" : "cover each other's cells"));
        }
    }
    return found;
}
