#include "file/ProcessIdentity.h"

#include <windows.h>

namespace miravel {

std::string ProcessStartMark(long processId)
{
    const HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (!process)
        return {};
    FILETIME created{}, exited{}, kernel{}, user{};
    const bool told = ::GetProcessTimes(process, &created, &exited, &kernel, &user);
    ::CloseHandle(process);
    if (!told)
        return {};
    const unsigned long long time =
        (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    return time ? std::to_string(time) : std::string();
}

} // namespace miravel
