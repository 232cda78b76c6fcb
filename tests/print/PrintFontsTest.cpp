// The fonts printed pages are drawn in, chosen from the fonts a system has.

#include "print/PrintFonts.h"

#include <QFontDatabase>

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

QString U(const char* text) { return QString::fromUtf8(text); }

TEST(PrintFonts, TheFirstUsableFontOfEachKindInOrder)
{
    const struct {
        QStringList usable;
        PrintFonts chosen;
    } cases[] = {
        {{}, {}},  // none: nothing is printed
        {{U("IPAMincho"), U("IPAGothic")}, {U("IPAMincho"), U("IPAGothic")}},
        {{U("IPAGothic"), U("IPAMincho"), U("ＭＳ ゴシック"), U("ＭＳ 明朝")}, {U("ＭＳ 明朝"), U("ＭＳ ゴシック")}},
        {{U("MS Gothic"), U("MS Mincho"), U("Yu Gothic")}, {U("MS Mincho"), U("MS Gothic")}},  // English names
        {{U("Yu Gothic"), U("游明朝"), U("IPAMincho")}, {U("游明朝"), U("Yu Gothic")}},
        {{U("メイリオ"), U("IPAMincho"), U("IPAGothic")}, {U("メイリオ"), U("メイリオ")}},
        {{U("IPAGothic")}, {U("IPAGothic"), U("IPAGothic")}},  // a gothic stands in for a missing mincho
    };
    for (const auto& c : cases) {
        const PrintFonts chosen = ChoosePrintFonts(c.usable);
        EXPECT_EQ(chosen, c.chosen) << c.usable.join(U(",")).toStdString() << " -> " << chosen.mincho.toStdString();
        EXPECT_EQ(chosen.Found(), !c.chosen.mincho.isEmpty());
    }
}

// Only a font of this system with kana and kanji: not one merely asked for,
// nor one without Japanese (a request for either gets some other font).
TEST(PrintFonts, OnlyAnInstalledFontWithJapaneseGlyphsIsUsable)
{
    EXPECT_FALSE(FontCanCarryJapanese(U("No Such Font 7")));
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese)) {
            EXPECT_FALSE(FontCanCarryJapanese(family)) << family.toStdString();
            break;
        }
}

} // namespace
} // namespace miravel::test
