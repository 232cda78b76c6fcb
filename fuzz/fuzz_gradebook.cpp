// libFuzzer target: the grade-book reader takes any bytes without crashing
// or hanging, and a file it accepts is a fixed point of writing and reading:
// written out, read back and written again it gives the same bytes.

#include "core/GradeBook.h"
#include "file/GradeBookFile.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    static auto document = std::make_unique<GradeDocument>();
    static auto again = std::make_unique<GradeDocument>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (ParseGradeBook(bytes, *document))
        return 0;
    std::string written, rewritten;
    if (EncodeGradeBook(*document, written)) // a file that was read can be saved
        std::abort();
    if (ParseGradeBook(written, *again) || EncodeGradeBook(*again, rewritten) || rewritten != written)
        std::abort();
    return 0;
}
