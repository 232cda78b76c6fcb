// libFuzzer target: the recovery record reader takes any bytes (a record
// damaged by a crash or by hand) without crashing, and a record it accepts
// reads back the same once written again.

#include "file/RecoveryCopy.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    const std::string text(reinterpret_cast<const char*>(data), size);
    RecoveryRecord record;
    if (!ParseRecoveryRecord(text, record))
        return 0;
    RecoveryRecord again;
    if (!ParseRecoveryRecord(RecoveryRecordText(record), again) || again.originalPath != record.originalPath ||
        again.time != record.time || again.processId != record.processId || again.behind != record.behind)
        std::abort();
    return 0;
}
