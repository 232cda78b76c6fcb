// libFuzzer target: a hand-off profile from another teacher or edited by
// hand takes any bytes; a profile accepted is written and read back to the
// same profile and the same text.

#include "file/HandoffProfile.h"
#include "file/IniText.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    const std::string text(reinterpret_cast<const char*>(data), size);
    // The INI layer alone, every line handed on.
    IniReader reader;
    reader.section = [](int, const std::string&) -> FileResult { return std::nullopt; };
    reader.entry = [](int, const std::string&, const std::string&, const std::string&) -> FileResult {
        return std::nullopt;
    };
    ReadIniText(text, reader);
    TrimmedIniText(text);
    HandoffProfile profile;
    if (ParseHandoffProfile(text, profile))
        return 0;
    const std::string written = HandoffProfileText(profile);
    HandoffProfile again;
    if (ParseHandoffProfile(written, again) || !(again == profile) || HandoffProfileText(again) != written)
        std::abort();
    return 0;
}
