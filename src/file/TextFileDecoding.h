#pragma once
// Text files from other programs: a school system's export is UTF-8 (often
// with a byte order mark), an old spreadsheet's is code page 932. The bytes
// tell which; the teacher is told what was read.

#include "file/FileError.h"

#include <string>
#include <string_view>

namespace miravel {

enum class TextEncoding { Utf8Bom, Utf8, Cp932 };

// How the teacher is told what was read: "UTF-8（BOM付き）" and so on.
const char* EncodingName(TextEncoding encoding);

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

struct DecodedText {
    std::string text;  // UTF-8, without the byte order mark
    TextEncoding encoding = TextEncoding::Utf8;
};

// A byte order mark means UTF-8; so do bytes that are well-formed UTF-8.
// Anything else is read as code page 932, refused with its line when it is
// not that either.
FileResult DecodeTextBytes(std::string_view bytes, DecodedText& decoded);

// The same, for a file on disk.
FileResult ReadTextFile(const std::string& path, DecodedText& decoded);

} // namespace miravel
