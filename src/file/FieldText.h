#pragma once
// Texts typed by the teacher (names, titles, dates) before they go into the
// grade book: the file separates fields with ";" and lines with CR LF, and
// stores code page 932 only.

#include <optional>
#include <string>
#include <string_view>

namespace miravel {

// ";" becomes the full-width "；" and line breaks are removed, so the text
// reads back from the file as it was typed.
std::string StorableFieldText(std::string_view utf8);

// The first character (UTF-8) that code page 932 cannot store, or nothing.
std::optional<std::string> UnstorableCharacter(std::string_view utf8);

} // namespace miravel
