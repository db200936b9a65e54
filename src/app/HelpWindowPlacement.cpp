#include "app/HelpWindowPlacement.h"

#include <algorithm>

namespace {

// `from` moved (if needed) so that [from, from + length) lies within [low, high].
int Clamp(int from, int length, int low, int high) {
    return std::max(low, std::min(from, high - length + 1));
}

struct Rooms {
    int right;
    int left;
    int below;
    int above;
};

Rooms RoomsAround(const QRect& dialog, const QRect& screen) {
    return {screen.right() - dialog.right() - HelpGap, dialog.left() - screen.left() - HelpGap,
            screen.bottom() - dialog.bottom() - HelpGap, dialog.top() - screen.top() - HelpGap};
}

QRect RightOf(const QRect& dialog, QSize size, const QRect& screen) {
    return {dialog.right() + 1 + HelpGap,
            Clamp(dialog.top(), size.height(), screen.top(), screen.bottom()), size.width(),
            size.height()};
}

QRect LeftOf(const QRect& dialog, QSize size, const QRect& screen) {
    return {dialog.left() - HelpGap - size.width(),
            Clamp(dialog.top(), size.height(), screen.top(), screen.bottom()), size.width(),
            size.height()};
}

QRect Below(const QRect& dialog, QSize size, const QRect& screen) {
    return {Clamp(dialog.left(), size.width(), screen.left(), screen.right()),
            dialog.bottom() + 1 + HelpGap, size.width(), size.height()};
}

QRect Above(const QRect& dialog, QSize size, const QRect& screen) {
    return {Clamp(dialog.left(), size.width(), screen.left(), screen.right()),
            dialog.top() - HelpGap - size.height(), size.width(), size.height()};
}

} // namespace

QRect PlaceBeside(const QRect& dialog, QSize size, const QRect& screen) {
    size = size.boundedTo(screen.size());
    const Rooms room = RoomsAround(dialog, screen);

    // At the full size, on the first side where it fits.
    if (size.width() <= room.right)
        return RightOf(dialog, size, screen);
    if (size.width() <= room.left)
        return LeftOf(dialog, size, screen);
    if (size.height() <= room.below)
        return Below(dialog, size, screen);
    if (size.height() <= room.above)
        return Above(dialog, size, screen);

    // Narrowed or shortened to the largest room, when that leaves a readable window.
    const int across = std::max(room.right, room.left);
    const int upDown = std::max(room.below, room.above);
    if (across >= HelpMinimumWidth) {
        const QSize narrowed(across, size.height());
        return room.right >= room.left ? RightOf(dialog, narrowed, screen)
                                       : LeftOf(dialog, narrowed, screen);
    }
    if (upDown >= HelpMinimumHeight) {
        const QSize shortened(size.width(), upDown);
        return room.below >= room.above ? Below(dialog, shortened, screen)
                                        : Above(dialog, shortened, screen);
    }

    // No room beside it: against the screen's left edge, away from the buttons, which stand at
    // the dialog's right.
    return {screen.left(), Clamp(dialog.top(), size.height(), screen.top(), screen.bottom()),
            size.width(), size.height()};
}
