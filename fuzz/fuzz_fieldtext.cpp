// libFuzzer target: the field-text checks take any bytes (typed or pasted
// text, valid UTF-8 or not) without crashing. A storable text holds no
// separator and no control character, stays as it is when made storable
// again, and reads back from code page 932 unchanged once the checks pass.

#include "file/Cp932.h"
#include "file/FieldText.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    const std::string_view typed(reinterpret_cast<const char*>(data), size);
    const std::string stored = StorableFieldText(typed);
    for (char c : stored)
        if (c == ';' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            std::abort();
    if (StorableFieldText(stored) != stored)
        std::abort();
    if (UnstorableCharacter(stored))
        return 0;
    const auto bytes = Utf8ToCp932(stored);
    if (!bytes || Cp932ToUtf8(*bytes) != stored)
        std::abort();
    return 0;
}
