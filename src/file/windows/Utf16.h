#pragma once
// Paths and texts are UTF-8 inside the program and UTF-16 at the Win32
// boundary.

#include <string>
#include <string_view>

namespace miravel {

// Empty for an empty text and for bytes that are not UTF-8.
std::wstring Utf16Of(std::string_view utf8);
std::string Utf8Of(std::wstring_view utf16);

} // namespace miravel
