#include "mainwindow/WindowPlacement.h"

#include "mainwindow/MainWindowTexts.h"
#include "platform/Platform.h"

#include <algorithm>

namespace miravel {

namespace {

constexpr int kGrabStripHeight = 24;
constexpr int kGrabStripMinWidth = 64;

int ReadNumber(Platform& platform, const char* key, int defaultValue, bool mustBePositive)
{
    const QString text = platform.GetSetting(QString::fromUtf8(texts::kSettingsApplication),
                                             QString::fromUtf8(texts::kSettingsSection), QString::fromUtf8(key),
                                             QString::number(defaultValue));
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || (mustBePositive && value <= 0))
        return defaultValue;
    return value;
}

void WriteNumber(Platform& platform, const char* key, int value)
{
    platform.SaveSetting(QString::fromUtf8(texts::kSettingsApplication), QString::fromUtf8(texts::kSettingsSection),
                         QString::fromUtf8(key), QString::number(value));
}

} // namespace

TwipsRect ReadPlacement(Platform& platform)
{
    const TwipsRect defaults;
    TwipsRect placement;
    placement.left = ReadNumber(platform, texts::kSettingLeft, defaults.left, false);
    placement.top = ReadNumber(platform, texts::kSettingTop, defaults.top, false);
    placement.width = ReadNumber(platform, texts::kSettingWidth, defaults.width, true);
    placement.height = ReadNumber(platform, texts::kSettingHeight, defaults.height, true);
    return placement;
}

void WritePlacement(Platform& platform, const TwipsRect& placement)
{
    WriteNumber(platform, texts::kSettingLeft, placement.left);
    WriteNumber(platform, texts::kSettingTop, placement.top);
    WriteNumber(platform, texts::kSettingWidth, placement.width);
    WriteNumber(platform, texts::kSettingHeight, placement.height);
}

int ReadTreeFrameWidth(Platform& platform) { return ReadNumber(platform, texts::kSettingTreeWidth, 0, true); }

void WriteTreeFrameWidth(Platform& platform, int twips) { WriteNumber(platform, texts::kSettingTreeWidth, twips); }

QRect KeepOnScreens(const QRect& wanted, const QList<QRect>& screens, const QRect& primary,
                    const QPoint& fallbackOffset)
{
    const QRect grabStrip(wanted.left(), wanted.top(), wanted.width(), kGrabStripHeight);
    for (const QRect& screen : screens) {
        const QRect onScreen = grabStrip.intersected(screen);
        if (onScreen.width() >= std::min(kGrabStripMinWidth, wanted.width()) && onScreen.height() > 0)
            return wanted;
    }
    QRect placed(primary.topLeft() + fallbackOffset, wanted.size().boundedTo(primary.size()));
    // Pull it back inside when the offset pushes its far side off the screen.
    if (placed.right() > primary.right())
        placed.moveRight(primary.right());
    if (placed.bottom() > primary.bottom())
        placed.moveBottom(primary.bottom());
    return placed;
}

} // namespace miravel
