#pragma once
// The program names the fonts "ＭＳ 明朝" and "ＭＳ ゴシック" (screens, printed
// tables and graphs). They map to the IPA fonts of this desktop, and the
// windows use a Japanese gothic for their own texts.

class QApplication;

namespace miravel {

// Registers the font substitutions and sets the application font. Safe to
// call more than once.
void InstallJapaneseFonts(QApplication& app);

// Only the substitutions, for drawing pages without any window (the
// command line's PDF). Needs a QGuiApplication.
void InstallFontSubstitutions();

} // namespace miravel
