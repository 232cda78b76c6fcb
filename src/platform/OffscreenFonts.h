#pragma once
// On Windows the offscreen platform (which draws --print-pdf) reads its fonts
// from one folder through FreeType, by default a "fonts" folder beside Qt
// that does not exist; the system's own fonts (ＭＳ 明朝, ＭＳ ゴシック) are in
// %WINDIR%\Fonts. Nothing to do elsewhere, nor when QT_QPA_FONTDIR is set.

namespace miravel {

void UseSystemFontsOffscreen();

} // namespace miravel
