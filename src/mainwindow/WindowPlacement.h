#pragma once
// Where the main window stands, remembered in the per-user settings in
// twips, and how a remembered place that no longer fits the desktop (a
// screen was unplugged, a value was edited by hand) is brought back.

#include <QList>
#include <QPoint>
#include <QRect>

namespace miravel {

class Platform;

struct TwipsRect {
    int left = 1000;
    int top = 1000;
    int width = 13000;
    int height = 10000;

    bool operator==(const TwipsRect& o) const
    {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// The stored values; a missing value or one that is not a whole number gives
// the default, and so does a width or height that is not positive.
TwipsRect ReadPlacement(Platform& platform);
void WritePlacement(Platform& platform, const TwipsRect& placement);

// The tree frame's width as the teacher dragged it, in twips; 0 (the resize
// rule decides) while nothing usable is stored.
int ReadTreeFrameWidth(Platform& platform);
void WriteTreeFrameWidth(Platform& platform, int twips);

// `wanted` (pixels) unless it lies off every screen: then it is moved onto
// the primary screen at `fallbackOffset` from its corner, shrunk to fit.
// A window counts as on a screen while a strip of its top edge, where the
// title bar is grabbed, is on it.
QRect KeepOnScreens(const QRect& wanted, const QList<QRect>& screens, const QRect& primary,
                    const QPoint& fallbackOffset);

} // namespace miravel
