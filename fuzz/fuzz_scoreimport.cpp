// libFuzzer target: a score file from a form or a spreadsheet, through the
// column guess, the plan and into the score table, takes any table; no
// more rows are taken than the file has, and a taken row names a student
// of the roster.

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "core/TextGrid.h"
#include "editors/testspec/ScoreImport.h"
#include "editors/testspec/ScoreTable.h"
#include "file/CsvTable.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace miravel;
    if (size < 1)
        return 0;
    const std::uint8_t flags = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<CsvRow> rows;
    CsvShape shape;
    if (!ParseCsvWithin(text, DetectSeparator(text), kMostTableRows, kMostTableColumns, rows, shape))
        return 0;
    auto book = std::make_unique<GradeBook>();
    InitDefaults(*book);
    for (int i = 0; i < 5; ++i)
        book->StudentNames[i] = "生徒" + std::to_string(i + 1);
    book->StudentCount = 5;
    book->Evaluation.StudentAccounts[1] = "s2@example.jp";
    TextGrid grid(0, 0);
    LayoutScoreTable(*book, grid, TestSlot(0, 0, 0, 0), 7800);
    const ViewpointChecks checks{(flags & 1) != 0, (flags & 2) != 0, true};
    const ViewpointTexts fullMarks{(flags & 4) ? "10" : "", "", "100"};
    const ScoreColumns columns = DetectScoreColumns(rows, checks);
    std::map<int, int> picked;
    if (flags & 8)
        picked[2] = 2;
    const ScoreImportPlan plan = PlanScoreImport(*book, grid, rows, columns, checks, fullMarks, picked);
    if (plan.taken < 0 || static_cast<std::size_t>(plan.taken) > rows.size())
        std::abort();
    for (const ScoreImportRow& row : plan.rows)
        if (row.number < 0 || row.number > book->StudentCount || row.fileRow < 1 ||
            static_cast<std::size_t>(row.fileRow) > rows.size())
            std::abort();
    WithoutRowsText(*book, plan.withoutRows);
    if (ApplyScoreImport(*book, grid, plan, fullMarks) > plan.taken)
        std::abort();
    return 0;
}
