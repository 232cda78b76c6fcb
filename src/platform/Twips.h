#pragma once
// Lengths on screen are given in twips (1/1440 inch); widgets want pixels.
// The conversion uses the screen's logical DPI, so a layout keeps its
// proportions on a scaled desktop.

class QWidget;

namespace miravel {

constexpr int kTwipsPerInch = 1440;

int TwipsToPixels(int twips, double dpi);
int PixelsToTwips(int pixels, double dpi);

// Logical DPI of the screen the widget is on (the primary screen before it
// is shown); 96 when there is no screen at all.
double LogicalDpiX(const QWidget* widget);
double LogicalDpiY(const QWidget* widget);

} // namespace miravel
