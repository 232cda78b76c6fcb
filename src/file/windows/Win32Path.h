#pragma once
// The one way a path reaches Win32: UTF-16, and in the extended form once
// it is long (file/LongPath.h).

#include <string>
#include <string_view>

namespace miravel {

std::wstring Win32Path(std::string_view utf8);

} // namespace miravel
