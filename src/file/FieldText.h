#pragma once
// Texts typed by the teacher (names, titles, dates) before they go into the
// grade book: the file separates fields with ";" and lines with CR LF, and
// stores code page 932 only.

#include <optional>
#include <string>
#include <string_view>

namespace miravel {

// ";" becomes the full-width "；", line breaks and every other control
// character (C0 and DEL) are removed, and the characters Linux input
// methods type for ～ − ∥ ￠ ￡ ￢ become the forms code page 932 stores, so
// the text reads back from the file as the teacher meant it.
std::string StorableFieldText(std::string_view utf8);

// 〜 − ‖ ¢ £ ¬ (U+301C, U+2212, U+2016, U+00A2/A3/AC) as code page 932 keeps
// them on Windows: ～ － ∥ ￠ ￡ ￢ (U+FF5E, U+FF0D, U+2225, U+FFE0/E1/E2).
// Every other character is left as it is.
std::string WithCp932Forms(std::string_view utf8);

// The first character (UTF-8) that code page 932 cannot store even in the
// forms above, or nothing.
std::optional<std::string> UnstorableCharacter(std::string_view utf8);

// "U+20BB7": the code point of the first character of `utf8`. A font
// without the character shows a box; the code point still names it.
std::string CodePointText(std::string_view utf8);

// The everyday form a name takes when its own character is beyond code
// page 932 (𠮷 -> 吉, 𡈽 -> 土), or nothing when there is none in the table.
std::optional<std::string> CommonSubstitute(std::string_view character);

// "「𠮷」（U+20BB7）はファイルに保存できない文字です（「吉」なら保存できます）".
std::string UnstorableCharacterText(const std::string& character);

} // namespace miravel
