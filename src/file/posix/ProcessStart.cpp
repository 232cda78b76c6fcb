#include "file/ProcessIdentity.h"

#include <fstream>
#include <sstream>

namespace miravel {

namespace {

std::string firstLineOf(const std::string& path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

} // namespace

std::string ProcessStartMark(long processId)
{
    // Field 22 of /proc/<id>/stat: the clock tick since boot at which the
    // process started. The name in field 2 may hold spaces and ")", so the
    // count starts after its last ")".
    const std::string stat = firstLineOf("/proc/" + std::to_string(processId) + "/stat");
    const auto nameEnd = stat.rfind(')');
    if (nameEnd == std::string::npos)
        return {};
    std::istringstream fields(stat.substr(nameEnd + 1));
    std::string field;
    for (int n = 3; n <= 22; ++n)
        if (!(fields >> field))
            return {};
    // The tick counts from boot: with the boot named, a number from before
    // a restart never matches.
    const std::string boot = firstLineOf("/proc/sys/kernel/random/boot_id");
    return boot + ":" + field;
}

} // namespace miravel
