#include "file/SystemCalls.h"

namespace miravel {

namespace {

const SystemCalls* current = nullptr;

} // namespace

const SystemCalls& Sys() { return current ? *current : RealSystemCalls(); }

ScopedSystemCalls::ScopedSystemCalls(const SystemCalls& calls) : previous_(current) { current = &calls; }

ScopedSystemCalls::~ScopedSystemCalls() { current = previous_; }

} // namespace miravel
