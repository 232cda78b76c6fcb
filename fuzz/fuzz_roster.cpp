// libFuzzer target: the roster reader takes any bytes without crashing, and
// every name it gives is one a roster can hold: not empty, without ";" and
// without a line break.

#include "file/Cp932.h"
#include "file/RosterImport.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string text;
    if (DecodeCp932File(bytes, text))
        return 0;
    for (const std::string& name : ParseRosterNames(text))
        if (name.empty() || name.find_first_of(";\r\n") != std::string::npos)
            std::abort();
    return 0;
}
