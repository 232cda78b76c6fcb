// libFuzzer target: whatever is on the clipboard, a paste into the score
// table writes only where the roster has a student and says why of every
// cell it refuses.

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "core/TextGrid.h"
#include "editors/testspec/ScorePaste.h"
#include "editors/testspec/ScoreTable.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    if (size < 2 || size > 64 * 1024)
        return 0;
    const int first = data[0] % (kStudents + 3);  // past the roster too
    const int firstViewpoint = data[1] % 4;
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    auto book = std::make_unique<GradeBook>();
    InitDefaults(*book);
    for (int i = 0; i < 6; ++i)
        book->StudentNames[i] = i == 3 ? "" : "生徒" + std::to_string(i + 1);
    book->StudentCount = 6;
    TextGrid grid(0, 0);
    LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
    const auto block = ClipboardBlock(text);
    const PasteResult result =
        PasteBlock(*book, grid, block, first, firstViewpoint, {true, false, true}, {"10", "", "100"});
    for (const CellRefusal& refusal : result.refused)
        if (refusal.reason.empty())
            std::abort();
    PasteSummary(*book, result);
    return 0;
}
