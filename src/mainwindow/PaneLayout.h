#pragma once
// Sizes of the two panes of the main window, in twips, and the rule that
// fits them to the window whenever its size changes.

namespace miravel {

struct PaneLayout {
    int frame2Width = 0;   // tree frame, at the left edge
    int frame2Height = 0;
    int treeWidth = 0;
    int treeHeight = 0;
    int frame1Left = 0;    // table frame
    int frame1Width = 0;
    int frame1Height = 0;
    int gridWidth = 0;
    int gridHeight = 0;
};

// Tree and grid sit this far inside their frames.
constexpr int kInnerLeft = 120;
constexpr int kInnerTop = 240;

// `windowWidth` and `windowHeight` are the window's size in twips. A
// dimension of 2000 or less leaves that dimension's layout as it was.
// `treeFrameWidth`, when positive, is where the teacher dragged the divider:
// it replaces the quarter-of-the-window rule, kept so that neither pane
// becomes narrower than kNarrowestPane.
PaneLayout FitPanes(const PaneLayout& current, int windowWidth, int windowHeight, int treeFrameWidth = 0);

constexpr int kNarrowestPane = 1000;

} // namespace miravel
