// libFuzzer target: the column detection and the roster plan take any
// table: every column found is in the table, and a stored plan leaves a
// roster a book can hold (at most 40 names, none with ";" or a control
// character).

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "file/CsvTable.h"
#include "file/ImportColumns.h"
#include "file/RosterTable.h"

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
    const int columns = static_cast<int>(ColumnCount(rows));
    const ImportColumns found = DetectColumns(rows);
    for (int column : {found.name, found.number, found.account, found.code})
        if (column < -1 || column >= columns)
            std::abort();
    IsRosterTable(rows);
    static auto book = std::make_unique<GradeBook>();
    InitDefaults(*book);
    if (flags & 1) {
        book->StudentNames[0] = "山田 花子";
        book->StudentCount = 1;
    }
    const RosterPlan plan = PlanRoster(rows, found, (flags & 2) != 0, *book, (flags & 4) != 0);
    ClassFieldsOfRoster(rows, found, (flags & 2) != 0);
    RosterChangesText(CountRosterChanges(*book, plan), plan.classFields);
    StoreRosterPlan(*book, plan);
    if (book->StudentCount < 0 || book->StudentCount > kStudents)
        std::abort();
    for (int i = 0; i < kStudents; ++i)
        for (char c : book->StudentNames[i])
            if (c == ';' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
                std::abort();
    return 0;
}
