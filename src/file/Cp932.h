#pragma once
// Code page 932 (Shift-JIS) <-> UTF-8, through the system's own table
// (glibc iconv on Linux, the Win32 converters on Windows).

#include "file/FileError.h"

#include <optional>
#include <string>
#include <string_view>

namespace miravel {

// Nothing when some character has no code page 932 form of its own (one that
// reads back as the same character); `offending` then holds the first such
// character (UTF-8).
std::optional<std::string> Utf8ToCp932(std::string_view utf8, std::string* offending = nullptr);

// Nothing when the bytes are not valid code page 932; `failedAt` then holds
// the offset of the first byte that could not be read.
std::optional<std::string> Cp932ToUtf8(std::string_view bytes, std::size_t* failedAt = nullptr);

// The text of a code page 932 file; a byte sequence that is not code page
// 932 is refused with its line number.
FileResult DecodeCp932File(std::string_view bytes, std::string& text);

} // namespace miravel
