#pragma once
// Code page 932 <-> UTF-8 a character at a time, each character asked of
// the system's converter once and its answer kept for the rest of the run.
// Code page 932 is stateless, so a text converts exactly as its characters
// do one by one; a whole file converts many times faster than through the
// converter itself.

#include <string>
#include <string_view>

namespace miravel {

// Each appends the conversion of its input to `output` and gives true; or
// gives false, with `output` holding an unfinished conversion, at the first
// thing it cannot answer alone: a character without a code page 932 form
// of its own (one that reads back as the same character), a byte sequence
// that is not a character. The system's converter then tells what and where.
bool CharacterwiseUtf8ToCp932(std::string_view utf8, std::string& output);
bool CharacterwiseCp932ToUtf8(std::string_view bytes, std::string& output);

} // namespace miravel
