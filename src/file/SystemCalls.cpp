#include "file/SystemCalls.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace miravel {

namespace {

const SystemCalls kReal = {
    [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
    ::mkstemp,
    ::read,
    ::write,
    ::fstat,
    ::fchmod,
    ::fchown,
    ::fsync,
    ::close,
    ::link,
    ::rename,
    ::unlink,
};

const SystemCalls* current = &kReal;

} // namespace

const SystemCalls& RealSystemCalls() { return kReal; }

const SystemCalls& Sys() { return *current; }

ScopedSystemCalls::ScopedSystemCalls(const SystemCalls& calls) : previous_(current) { current = &calls; }

ScopedSystemCalls::~ScopedSystemCalls() { current = previous_; }

} // namespace miravel
