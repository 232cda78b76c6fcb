#pragma once
// Which program wrote a lock or a recovery copy, and whether it still runs.
// A process number alone does not say: Windows hands the number of an ended
// program to the next one soon (Wine every time), so a program restarted
// after a crash can find its own number in what its predecessor left. The
// time a process started tells them apart where the system gives it.

#include <string>

namespace miravel {

// The program that wrote something: its number and the system's mark of
// when it started (empty where the system gives none, or an older Miravel
// wrote it).
struct WriterProcess {
    long id = 0;
    std::string started;
};

// What the system says now about a process number.
struct ProcessNow {
    bool running = false;
    std::string started;  // empty when it cannot be told
};

// True when the writer is gone: the number is this program's own (its
// writer ended before this program got the number), no process has the
// number, or the one that has it started at another moment than the writer.
bool WriterEnded(const WriterProcess& writer, long ownId, const ProcessNow& now);

// The same, asking the system about the writer's number.
bool WriterEnded(const WriterProcess& writer);

// The system's mark of when a process started: comparable only for
// equality, on the same computer. Linux: the boot and the clock tick in
// /proc/<id>/stat; Windows: the creation time GetProcessTimes gives.
// Empty when the system does not tell (an ended process, no /proc).
std::string ProcessStartMark(long processId);

} // namespace miravel
