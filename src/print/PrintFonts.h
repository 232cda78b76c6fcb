#pragma once
// The fonts a printed or saved page is drawn in. Pages name "ＭＳ 明朝" and
// "ＭＳ ゴシック"; what they get is the first font of the system, in the
// order below, whose data can be read and embedded and that holds Japanese.
// A PDF or a print without such a font would carry no text at all (Qt draws
// nothing for glyphs it cannot embed), so none is then made.

#include <QString>
#include <QStringList>

#include <string>

namespace miravel {

// Said when no font can carry the text, in the window and on the command line.
extern const char kNoPrintFont[];  // 「日本語の印刷用フォントが見つかりません（ＭＳ 明朝など）。」

struct PrintFonts {
    QString mincho;  // for the pages' "ＭＳ 明朝"
    QString gothic;  // for "ＭＳ ゴシック" and text without a font of its own
    bool Found() const { return !mincho.isEmpty() && !gothic.isEmpty(); }
    bool operator==(const PrintFonts& other) const { return mincho == other.mincho && gothic == other.gothic; }
};

// The families looked for, in order of preference, each under its Japanese
// and its English name: ＭＳ, 游, BIZ UD, メイリオ, then the IPA fonts and
// Noto. A mincho that is missing is replaced by the gothic chosen, and the
// other way round: plain text is better than none.
QStringList MinchoCandidates();
QStringList GothicCandidates();

// The choice among the families that `usable` names (those that passed
// FontCanCarryJapanese). Both empty when none is usable.
PrintFonts ChoosePrintFonts(const QStringList& usable);

// True when `family` is installed as itself (not a substitute), its font
// data can be read and may be embedded, and it has glyphs for kana and kanji.
// Needs a QGuiApplication.
bool FontCanCarryJapanese(const QString& family);

// The choice on this system.
PrintFonts SystemPrintFonts();

// The family a page's font name is drawn in with `fonts`.
QString PrintFamilyFor(const std::string& pageFont, const PrintFonts& fonts);

} // namespace miravel
