// libFuzzer target: the settings-file reader takes any bytes (a file
// damaged or edited by hand) without crashing, and settings it accepts are
// written and read back to the very same text.

#include "file/CompanionFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    EvaluationSettings settings;
    if (ParseEvaluationSettings(std::string(reinterpret_cast<const char*>(data), size), settings))
        return 0;
    const std::string text = EvaluationSettingsText(settings);
    EvaluationSettings again;
    if (ParseEvaluationSettings(text, again) || EvaluationSettingsText(again) != text)
        std::abort();
    return 0;
}
