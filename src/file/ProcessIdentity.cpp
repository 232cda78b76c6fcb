#include "file/ProcessIdentity.h"

#include "file/SystemCalls.h"

namespace miravel {

bool WriterEnded(const WriterProcess& writer, long ownId, const ProcessNow& now)
{
    if (writer.id <= 0 || writer.id == ownId || !now.running)
        return true;
    // Without both marks the number is all there is: a running process with
    // it may be the writer.
    return !writer.started.empty() && !now.started.empty() && writer.started != now.started;
}

bool WriterEnded(const WriterProcess& writer)
{
    const long own = CurrentProcessId();
    if (writer.id <= 0 || writer.id == own)
        return true;
    ProcessNow now;
    now.running = ProcessRunning(writer.id);
    if (now.running)
        now.started = ProcessStartMark(writer.id);
    return WriterEnded(writer, own, now);
}

} // namespace miravel
