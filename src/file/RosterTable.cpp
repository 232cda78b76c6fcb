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
            refuse(UnstorableCharacterText(*character));
            row.idsKept = (!row.code.empty() || !row.account.empty()) &&
                          (!onlyEmpty || book.StudentNames[row.number - 1].empty());
            if (row.idsKept)
                row.note += "。児童コードとアカウントはこの番号に入れます";
        } else if (onlyEmpty && !book.StudentNames[row.number - 1].empty()) {
            const bool same = MatchKey(book.StudentNames[row.number - 1]) == MatchKey(row.name);
            row.state = same ? RosterRowState::Kept : RosterRowState::Skipped;
            row.note = same ? "名簿にあります" : "この番号には「" + book.StudentNames[row.number - 1] + "」がいます";
        } else if (MayHaveLostCharacter(row.name)) {
            row.note = "文字が失われている可能性があります";
        }
        if (row.number > 0 && (row.state != RosterRowState::Refused || row.idsKept))
            taken.insert(row.number);
        plan.stored += row.state == RosterRowState::Stored;
        plan.refused += row.state == RosterRowState::Refused;
        plan.rows.push_back(std::move(row));
    }
    return plan;
}

namespace {

// "5" -> "5年", "５年" -> "5年": a bare number gets the unit the class
// editor's lists use, and digits are written half-width as there.
std::string WithUnit(const std::string& cell, const char* unit)
{
    const std::string digits = HalfWidthDigits(cell);
    const bool number = !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos;
    return number ? digits + unit : digits;
}

// The one value the column holds, or nothing when rows disagree.
std::string OneValue(const std::vector<CsvRow>& rows, int column, bool skipHeader, const char* unit)
{
    std::string value;
    for (std::size_t i = skipHeader ? 1 : 0; column >= 0 && i < rows.size(); ++i) {
        const std::string cell = WithUnit(StorableFieldText(TrimBlanks(CellOf(rows[i], column))), unit);
        if (cell.empty())
            continue;
        if (!value.empty() && value != cell)
            return std::string();
        value = cell;
    }
    return UnstorableCharacter(value) ? std::string() : value;
}

} // namespace

RosterClassFields ClassFieldsOfRoster(const std::vector<CsvRow>& rows, const ImportColumns& columns, bool skipHeader)
{
    RosterClassFields fields;
    fields.gradeLevel = OneValue(rows, columns.grade, skipHeader, "年");
    fields.className = OneValue(rows, columns.classRoom, skipHeader, "組");
    return fields;
}

RosterChanges StoreRosterPlan(GradeDocument& book, const RosterPlan& plan)
{
    RosterChanges changes;
    int highest = 0;
    for (int n = 1; n <= book.StudentCount && n <= kStudents; ++n)
        if (!book.StudentNames[n - 1].empty())
            highest = book.StudentCount;  // a class with names keeps its size
    const auto put = [](std::string& to, const std::string& value, int& count) {
        if (value.empty() || to == value)
            return;
        to = value;
        ++count;
    };
    for (const RosterRow& row : plan.rows) {
        if (row.state != RosterRowState::Stored && row.state != RosterRowState::Kept && !row.idsKept)
            continue;
        const int i = row.number - 1;
        const bool stored = row.state == RosterRowState::Stored || row.idsKept;
        if (row.state == RosterRowState::Stored) {
            put(book.StudentNames[i], row.name, changes.names);
            highest = std::max(highest, row.number);
        }
        // Known codes and accounts are not overwritten by a kept row.
        if (stored || book.Evaluation.StudentCodes[i].empty())
            put(book.Evaluation.StudentCodes[i], row.code, changes.codes);
        if (stored || book.Evaluation.StudentAccounts[i].empty())
            put(book.Evaluation.StudentAccounts[i], row.account, changes.accounts);
    }
    book.StudentCount = static_cast<Integer>(highest);
    const RosterClassFields& fields = plan.classFields;
    if (!fields.empty()) {
        const std::string before = book.SchoolYear + ";" + book.GradeLevel + ";" + book.ClassName;
        if (!fields.schoolYear.empty())
            book.SchoolYear = fields.schoolYear;
        if (!fields.gradeLevel.empty())
            book.GradeLevel = fields.gradeLevel;
        if (!fields.className.empty())
            book.ClassName = fields.className;
        changes.classFields = before != book.SchoolYear + ";" + book.GradeLevel + ";" + book.ClassName;
    }
    return changes;
}

void ApplyRosterPlan(GradeBook& book, const RosterPlan& plan)
{
    const Integer countBefore = book.StudentCount;
    if (!(StoreRosterPlan(book, plan) == RosterChanges{}) || book.StudentCount != countBefore)
        book.MarkChanged(RosterImportStep());
}

RosterChanges CountRosterChanges(const GradeDocument& book, const RosterPlan& plan)
{
    GradeDocument copy = book;
    return StoreRosterPlan(copy, plan);
}

std::string RosterChangesText(const RosterChanges& changes, const RosterClassFields& fields)
{
    std::string parts;
    const auto add = [&parts](const std::string& part) { parts += (parts.empty() ? "" : "、") + part; };
    if (changes.names)
        add("氏名 " + std::to_string(changes.names) + "人");
    if (changes.codes)
        add("児童コード " + std::to_string(changes.codes) + "人");
    if (changes.accounts)
        add("アカウント " + std::to_string(changes.accounts) + "人");
    if (changes.classFields)
        add("学級（" + fields.schoolYear + " " + fields.gradeLevel + fields.className + "）");
    return parts.empty() ? "入れるものはありません。" : "入れるもの：" + parts + "。";
}

} // namespace miravel
