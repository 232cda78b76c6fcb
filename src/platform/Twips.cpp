#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace miravel {

namespace {

constexpr double kFallbackDpi = 96.0;

const QScreen* ScreenOf(const QWidget* widget)
{
    if (widget && widget->screen())
        return widget->screen();
    return QGuiApplication::primaryScreen();
}

} // namespace

int TwipsToPixels(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch)); }

int PixelsToTwips(int pixels, double dpi) { return static_cast<int>(std::lround(pixels * kTwipsPerInch / dpi)); }

double LogicalDpiX(const QWidget* widget)
{
    const QScreen* screen = ScreenOf(widget);
    return screen ? screen->logicalDotsPerInchX() : kFallbackDpi;
}

double LogicalDpiY(const QWidget* widget)
{
    const QScreen* screen = ScreenOf(widget);
    return screen ? screen->logicalDotsPerInchY() : kFallbackDpi;
}

} // namespace miravel
