#include "file/RosterTable.h"

#include "core/StepNames.h"
#include "core/TextRules.h"
#include "file/FieldText.h"

#include <algorithm>
#include <set>

namespace miravel {

namespace {

bool MayHaveLostCharacter(const std::string& name)
{
    for (std::string_view mark : {"?", "？", "・"})
        if (name.find(mark) != std::string::npos)
            return true;
    return false;
}

// The book's number whose name is `key` (compared without blanks), or 0.
int NumberNamed(const GradeDocument& book, const std::string& key)
{
    for (int n = 1; n <= kStudents; ++n)
        if (!book.StudentNames[n - 1].empty() && MatchKey(book.StudentNames[n - 1]) == key)
            return n;
    return 0;
}

} // namespace

bool IsRosterTable(const std::vector<CsvRow>& rows)
{
    const ImportColumns columns = DetectColumns(rows);
    if (columns.header)
        return true;
    if (rows.size() < 2 || rows[0].size() < 2)
        return false;
    for (const CsvRow& row : rows)
        if (row.size() != rows[0].size())
            return false;
    return columns.number >= 0 || columns.account >= 0;
}

RosterPlan PlanRoster(const std::vector<CsvRow>& rows, const ImportColumns& columns, bool skipHeader,
                      const GradeDocument& book, bool onlyEmpty)
{
    RosterPlan plan;
    std::set<int> taken;
    int next = 1;
    for (std::size_t i = skipHeader ? 1 : 0; i < rows.size(); ++i) {
        const CsvRow& cells = rows[i];
        RosterRow row;
        row.fileRow = static_cast<int>(i) + 1;
        row.name = StorableFieldText(TrimBlanks(CellOf(cells, columns.name)));
        row.account = StorableId(CellOf(cells, columns.account));
        row.code = StorableId(CellOf(cells, columns.code));
        const auto refuse = [&](std::string why) {
            row.state = RosterRowState::Refused;
            row.note = std::move(why);
        };
        if (row.name.empty()) {
            row.state = RosterRowState::Skipped;
            row.note = "氏名がありません";
            plan.rows.push_back(std::move(row));
            continue;
        }
        const int already = onlyEmpty ? NumberNamed(book, MatchKey(row.name)) : 0;
        if (columns.number >= 0) {
            row.number = AttendanceNumberOf(CellOf(cells, columns.number));
        } else if (already) {
            row.number = already;
        } else {
            while (next <= kStudents && (taken.count(next) || (onlyEmpty && !book.StudentNames[next - 1].empty())))
                ++next;
            row.number = next <= kStudents ? next++ : 0;
        }

        if (row.number == 0) {
            refuse(columns.number >= 0 ? "出席番号が1から40の数ではありません" : "41人目からは名簿に入りません");
        } else if (taken.count(row.number)) {
            refuse("出席番号" + Str(row.number) + "が重なっています");
        } else if (const auto character = UnstorableCharacter(row.name)) {
            refuse("「" + *character + "」はファイルに保存できない文字です");
        } else if (onlyEmpty && !book.StudentNames[row.number - 1].empty()) {
            const bool same = MatchKey(book.StudentNames[row.number - 1]) == MatchKey(row.name);
            row.state = same ? RosterRowState::Kept : RosterRowState::Skipped;
            row.note = same ? "名簿にあります" : "この番号には「" + book.StudentNames[row.number - 1] + "」がいます";
        } else if (MayHaveLostCharacter(row.name)) {
            row.note = "文字が失われている可能性があります";
        }
        if (row.number > 0 && row.state != RosterRowState::Refused)
            taken.insert(row.number);
        plan.stored += row.state == RosterRowState::Stored;
        plan.refused += row.state == RosterRowState::Refused;
        plan.rows.push_back(std::move(row));
    }
    return plan;
}

void ApplyRosterPlan(GradeBook& book, const RosterPlan& plan)
{
    int highest = book.CountEnrolledStudents() > 0 ? book.StudentCount : 0;
    bool changed = false;
    const auto put = [&changed](std::string& to, const std::string& value) {
        if (value.empty() || to == value)
            return;
        to = value;
        changed = true;
    };
    for (const RosterRow& row : plan.rows) {
        if (row.state != RosterRowState::Stored && row.state != RosterRowState::Kept)
            continue;
        const int i = row.number - 1;
        if (row.state == RosterRowState::Stored) {
            put(book.StudentNames[i], row.name);
            highest = std::max(highest, row.number);
        }
        // Known codes and accounts are not overwritten by a kept row.
        if (row.state == RosterRowState::Stored || book.Evaluation.StudentCodes[i].empty())
            put(book.Evaluation.StudentCodes[i], row.code);
        if (row.state == RosterRowState::Stored || book.Evaluation.StudentAccounts[i].empty())
            put(book.Evaluation.StudentAccounts[i], row.account);
    }
    if (book.StudentCount != highest) {
        book.StudentCount = static_cast<Integer>(highest);
        changed = true;
    }
    if (changed)
        book.MarkChanged(RosterImportStep());
}

} // namespace miravel
