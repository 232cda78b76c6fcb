#include "mainwindow/PaneLayout.h"

#include <algorithm>

namespace miravel {

namespace {

constexpr int kSmallestLaidOut = 2000;
constexpr int kWidestTree = 4000;
constexpr int kFrameGap = 105;
constexpr int kRightMargin = 120;
constexpr int kWindowChrome = 1500;  // title, menus, toolbar and status bar
constexpr int kTreeInset = 240;      // left and right inside the tree frame
constexpr int kTreeDrop = 360;       // caption line and bottom inside a frame

} // namespace

PaneLayout FitPanes(const PaneLayout& current, int windowWidth, int windowHeight, int treeFrameWidth)
{
    PaneLayout layout = current;
    if (windowWidth > kSmallestLaidOut) {
        const int widest = std::max(kNarrowestPane, windowWidth - kFrameGap - kRightMargin - kNarrowestPane);
        layout.frame2Width = treeFrameWidth > 0 ? std::clamp(treeFrameWidth, kNarrowestPane, widest)
                                                : std::min(windowWidth / 4, kWidestTree);
        layout.frame1Left = layout.frame2Width + kFrameGap;
        layout.treeWidth = layout.frame2Width - kTreeInset;
        layout.frame1Width = windowWidth - layout.frame1Left - kRightMargin;
        layout.gridWidth = layout.frame1Width - kTreeInset;
    }
    if (windowHeight > kSmallestLaidOut) {
        layout.frame2Height = windowHeight - kWindowChrome;
        layout.treeHeight = layout.frame2Height - kTreeDrop;
        layout.frame1Height = layout.frame2Height;
        layout.gridHeight = layout.frame1Height - kTreeDrop;
    }
    return layout;
}

} // namespace miravel
