// libFuzzer target: the versions listing reads file names and records
// anybody may have put in the folder. The first line is a file name's stem,
// the rest a record: neither crashes it, and a record it accepts reads back
// the same once written again.

#include "file/SavedVersions.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto line = input.find('\n');
    const std::string stem = input.substr(0, line);
    unsigned long number = 0;
    if (VersionNumberOf(stem, number) && stem[0] == 'v' && number > 999999)
        std::abort();
    SavedVersion version;
    if (line == std::string::npos || !ParseVersionInfo(input.substr(line + 1), version))
        return 0;
    SavedVersion again;
    const std::string record =
        "Miravel saved version\ntime=" + version.time + "\ndescription=" + version.description + "\n";
    if (!ParseVersionInfo(record, again) || again.time != version.time || again.description != version.description)
        std::abort();
    return 0;
}
