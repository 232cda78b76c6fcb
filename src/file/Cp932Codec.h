#pragma once
// The operating system's code page 932 converter, one run of text at a time.
// Each appends the conversion of its input to `output`; at the first byte
// sequence it cannot read, or the first character without a code page 932
// form, it stops, returns false and gives that input offset in `failedAt`.
// Nothing is ever replaced by a look-alike or a default character.

#include <cstddef>
#include <string>
#include <string_view>

namespace miravel {

bool ConvertUtf8ToCp932(std::string_view utf8, std::string& output, std::size_t& failedAt);
bool ConvertCp932ToUtf8(std::string_view bytes, std::string& output, std::size_t& failedAt);

} // namespace miravel
