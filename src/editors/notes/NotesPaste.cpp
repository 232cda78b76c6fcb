#include "editors/notes/NotesPaste.h"

#include "editors/notes/NotesRules.h"
#include "file/ImportColumns.h"

#include <map>

namespace miravel {

namespace {

constexpr std::size_t kListedStudents = 12;

bool IsTextHeader(std::string_view cell)
{
    const std::string key = MatchKey(cell);
    for (std::string_view word : {"所見", "コメント", "文章", "本文", "内容", "text"})
        if (key.find(word) != std::string::npos)
            return true;
    return false;
}

// A row's note and whether its text goes in, once its student is known.
void Judge(TextImportRow& row, int limit)
{
    if (row.after.empty()) {
        row.note = "空欄です（今の文のまま）";
    } else if (row.after == row.before) {
        row.note = "今の文と同じです";
    } else {
        row.taken = true;
        const int count = NoteCharacterCount(row.after);
        if (count > limit)
            row.note = std::to_string(limit) + "字を超えています（" + std::to_string(count) + "字）";
    }
}

TextImportPlan Finished(std::vector<TextImportRow> rows)
{
    TextImportPlan plan;
    plan.rows = std::move(rows);
    for (const TextImportRow& row : plan.rows)
        plan.taken += row.taken;
    return plan;
}

} // namespace

StudentTexts TextsOf(const ReportNotes& notes, int period, NoteText t)
{
    StudentTexts texts;
    for (int n = 1; n <= kStudents; ++n)
        texts[static_cast<std::size_t>(n - 1)] = notes.Student(period, n).Text(t);
    return texts;
}

void SetTexts(ReportNotes& notes, int period, NoteText t, const StudentTexts& texts)
{
    for (int n = 1; n <= kStudents; ++n)
        notes.Student(period, n).Text(t) = texts[static_cast<std::size_t>(n - 1)];
}

ClipboardColumn ColumnOfClipboard(std::string_view text)
{
    ClipboardColumn column;
    std::string cell;
    bool quoted = false, started = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else if (c == '\r') {
                cell += '\n';
                if (i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
            } else {
                cell += c;
            }
        } else if (c == '"' && cell.empty()) {
            quoted = started = true;
        } else if (c == '\r' || c == '\n') {
            column.cells.push_back(TrimBlanks(cell));
            cell.clear();
            started = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            if (c == '\t')
                column.severalColumns = true;
            cell += c;
            started = true;
        }
    }
    if (started || !cell.empty())
        column.cells.push_back(TrimBlanks(cell));
    return column;
}

TextColumns DetectTextColumns(const std::vector<CsvRow>& rows)
{
    const ImportColumns found = DetectColumns(rows);
    TextColumns columns;
    columns.number = found.number;
    columns.code = found.code;
    columns.name = found.name;
    columns.header = found.header;
    const int count = static_cast<int>(ColumnCount(rows));
    if (found.header)
        for (int c = 0; c < count && columns.text < 0; ++c)
            if (IsTextHeader(CellOf(rows[0], c)))
                columns.text = c;
    if (columns.text >= 0)
        return columns;
    std::size_t longest = 0;
    for (int c = 0; c < count; ++c) {
        if (c == columns.number || c == columns.code || c == columns.name || c == found.account)
            continue;
        std::size_t length = 0;
        for (std::size_t r = found.header ? 1 : 0; r < rows.size(); ++r)
            length += CellOf(rows[r], c).size();
        if (length > longest) {
            longest = length;
            columns.text = c;
        }
    }
    return columns;
}

TextImportPlan PlanTextPaste(const GradeBook& book, const StudentTexts& current, const std::vector<std::string>& cells,
                             int first, int limit)
{
    std::vector<TextImportRow> rows;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        TextImportRow row;
        row.sourceRow = static_cast<int>(i) + 1;
        row.after = cells[i];
        const int n = first + static_cast<int>(i);
        const bool named = n >= 1 && n <= kStudents && !book.StudentNames[n - 1].empty();
        // An empty cell of nobody's number says nothing worth a line.
        if (row.after.empty() && !named)
            continue;
        if (n < 1 || n > kStudents) {
            row.note = "名簿にない出席番号です";
        } else if (!named) {
            row.number = n;
            row.note = "名前のない出席番号です";
        } else {
            row.number = n;
            row.before = current[static_cast<std::size_t>(n - 1)];
            Judge(row, limit);
        }
        rows.push_back(std::move(row));
    }
    return Finished(std::move(rows));
}

TextImportPlan PlanTextImport(const GradeBook& book, const StudentTexts& current, const std::vector<CsvRow>& rows,
                              const TextColumns& columns, int limit)
{
    std::map<std::string, int> byCode, byName;
    for (int n = 1; n <= kStudents; ++n) {
        if (book.StudentNames[n - 1].empty())
            continue;
        if (const std::string code = StorableId(book.Evaluation.StudentCodes[n - 1]); !code.empty())
            byCode[code] = n;
        const std::string key = MatchKey(book.StudentNames[n - 1]);
        byName[key] = byName.count(key) ? 0 : n;  // a shared name finds nobody
    }
    const auto find = [](const std::map<std::string, int>& in, const std::string& key) {
        const auto it = in.find(key);
        return key.empty() || it == in.end() ? 0 : it->second;
    };

    std::vector<TextImportRow> planned;
    std::map<int, int> rowsOf;  // student -> rows naming them
    for (std::size_t r = columns.header ? 1 : 0; r < rows.size(); ++r) {
        const CsvRow& cells = rows[r];
        TextImportRow row;
        row.sourceRow = static_cast<int>(r) + 1;
        row.after = columns.text >= 0 ? TrimBlanks(CellOf(cells, columns.text)) : std::string();
        int n = columns.code >= 0 ? find(byCode, StorableId(CellOf(cells, columns.code))) : 0;
        if (!n && columns.number >= 0)
            n = AttendanceNumberOf(CellOf(cells, columns.number));
        if (!n && columns.name >= 0)
            n = find(byName, MatchKey(CellOf(cells, columns.name)));
        if (!n) {
            row.note = "該当する児童がいません";
        } else if (book.StudentNames[n - 1].empty()) {
            row.number = n;
            row.note = "名前のない出席番号です";
        } else {
            row.number = n;
            row.before = current[static_cast<std::size_t>(n - 1)];
            Judge(row, limit);
            ++rowsOf[n];
        }
        planned.push_back(std::move(row));
    }
    for (TextImportRow& row : planned)
        if (row.number && rowsOf[row.number] > 1) {
            row.taken = false;
            row.note = "同じ児童の行がほかにもあります";
        }
    TextImportPlan plan = Finished(std::move(planned));
    for (int n = 1; n <= kStudents; ++n)
        if (!book.StudentNames[n - 1].empty() && !rowsOf.count(n))
            plan.withoutRows.push_back(n);
    return plan;
}

int ApplyTextImport(const TextImportPlan& plan, StudentTexts& texts)
{
    int written = 0;
    for (const TextImportRow& row : plan.rows)
        if (row.taken && row.number >= 1 && row.number <= kStudents) {
            texts[static_cast<std::size_t>(row.number - 1)] = row.after;
            ++written;
        }
    return written;
}

std::string TextImportSummary(const GradeBook& book, const TextImportPlan& plan)
{
    const long refused = static_cast<long>(plan.rows.size()) - plan.taken;
    std::string text = std::to_string(plan.taken) + " 人の文を入れます。入れない行：" + std::to_string(refused) + " 行。";
    if (!plan.withoutRows.empty()) {
        text += "\n行のない児童：";
        for (std::size_t i = 0; i < plan.withoutRows.size() && i < kListedStudents; ++i) {
            const int n = plan.withoutRows[i];
            text += (i ? "、" : "") + std::to_string(n) + " " + book.StudentNames[n - 1];
        }
        if (plan.withoutRows.size() > kListedStudents)
            text += " ほか " + std::to_string(plan.withoutRows.size() - kListedStudents) + " 人";
    }
    return text + "\n「登録」を押すまで成績ファイルには入りません。";
}

} // namespace miravel
