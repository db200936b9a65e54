#pragma once
// Where the help window goes when it opens over a dialog: beside the dialog, on the screen, so
// the dialog's fields and buttons stay in sight.

#include <QRect>
#include <QSize>

// The gap left between the dialog and the help window beside it.
inline constexpr int HelpGap = 8;
// The narrowest and the lowest help window worth reading; below this, help overlaps the dialog.
inline constexpr int HelpMinimumWidth = 320;
inline constexpr int HelpMinimumHeight = 240;

// The frame of a help window of frame size `size` beside a dialog whose frame is `dialog`, within
// the screen's free area `screen`. In order of preference: right of the dialog, left of it,
// below it, above it, at the full size (no taller or wider than the screen); then narrowed to
// the roomier of right and left, or else shortened to the roomier of below and above, when that
// leaves the minimum; else against the screen's left edge, over the dialog's left part (its
// buttons stand at the right).
QRect PlaceBeside(const QRect& dialog, QSize size, const QRect& screen);
