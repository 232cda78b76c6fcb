#include "editors/testspec/ScorePaste.h"

#include "core/TextRules.h"
#include "editors/testspec/ScoreTable.h"
#include "file/ImportColumns.h"


namespace miravel {

namespace {

constexpr std::size_t kListedRefusals = 12;

std::string Unquoted(std::string cell)
{
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        return cell.substr(1, cell.size() - 2);
    return cell;
}

} // namespace

std::vector<std::vector<std::string>> ClipboardBlock(std::string_view text)
{
    std::vector<std::vector<std::string>> block;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        std::vector<std::string> row;
        const std::string_view line = text.substr(start, end - start);
        std::size_t cellStart = 0;
        for (;;) {
            const std::size_t tab = line.find('\t', cellStart);
            row.push_back(Unquoted(TrimBlanks(line.substr(cellStart, tab - cellStart))));
            if (tab == std::string_view::npos)
                break;
            cellStart = tab + 1;
        }
        block.push_back(std::move(row));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return block;
}

bool CommitRow(GradeBook& book, TextGrid& grid, int n, const ViewpointTexts& entries,
               const ViewpointTexts& fullMarks, EntryCheck* refusal)
{
    // The commit works on the current student: the row is made current for it.
    const Integer current = book.CurrentStudentNo;
    book.CurrentStudentNo = static_cast<Integer>(n);
    const EntryCheck check = CommitEntries(book, grid, entries, fullMarks);
    book.CurrentStudentNo = current;
    if (refusal)
        *refusal = check;
    return check.accepted;
}

PasteResult PasteBlock(GradeBook& book, TextGrid& grid, const std::vector<std::vector<std::string>>& block,
                       int first, int firstViewpoint, const ViewpointChecks& checks, const ViewpointTexts& fullMarks)
{
    std::vector<int> targets;
    for (int k = firstViewpoint; k < kViewpoints; ++k)
        if (checks[k])
            targets.push_back(k);

    PasteResult result;
    for (std::size_t i = 0; i < block.size(); ++i) {
        const int n = first + static_cast<int>(i);
        const bool inRoster = n >= 1 && n <= book.StudentCount;
        const bool named = inRoster && !book.StudentNames[n - 1].empty();
        ViewpointTexts entries = named ? RowEntries(grid, n) : ViewpointTexts{};
        int cells = 0;
        for (std::size_t j = 0; j < block[i].size(); ++j) {
            const std::string& cell = block[i][j];
            if (cell.empty())
                continue;
            const int k = j < targets.size() ? targets[j] : -1;
            const auto refuse = [&](const char* reason) { result.refused.push_back({n, k, reason}); };
            if (k < 0) {
                refuse("貼り付ける観点がありません");
            } else if (!inRoster) {
                refuse("名簿にない出席番号です");
            } else if (!named) {
                refuse("名前のない出席番号です");
            } else {
                ViewpointTexts one;
                one[k] = cell;
                const EntryCheck check = CheckEntries(one, fullMarks);
                if (!check.accepted) {
                    refuse(check.message);
                } else {
                    entries[k] = IsAbsentMark(cell) ? "*" : cell;
                    ++cells;
                }
            }
        }
        if (cells == 0)
            continue;
        EntryCheck check;
        if (CommitRow(book, grid, n, entries, fullMarks, &check))
            result.pasted += cells;
        else
            result.refused.push_back({n, check.field, check.message});  // a score already in the row
    }
    return result;
}

std::string PasteSummary(const GradeBook& book, const PasteResult& result)
{
    std::string text = Str(result.pasted) + " 個の得点を貼り付けました。";
    if (!result.refused.empty()) {
        text += "\n貼り付けなかったセルが" + Str(static_cast<long>(result.refused.size())) + " 個あります：";
        for (std::size_t i = 0; i < result.refused.size() && i < kListedRefusals; ++i) {
            const CellRefusal& cell = result.refused[i];
            text += "\n出席番号" + Str(cell.number);
            if (cell.viewpoint >= 0)
                text += "（" + book.SubjectTable[book.CurrentSubject][cell.viewpoint + 1] + "）";
            text += "：" + cell.reason;
        }
        if (result.refused.size() > kListedRefusals)
            text += "\nほか" + Str(static_cast<long>(result.refused.size() - kListedRefusals)) + " 個";
    }
    return text + "\n「登録」を押すまで成績ファイルには入りません。";
}

} // namespace miravel
