#include "editors/testspec/ScoreImport.h"

#include "editors/testspec/ScorePaste.h"
#include "editors/testspec/TestSpecTexts.h"
#include "file/ImportColumns.h"
#include "file/SubmissionTime.h"

#include <algorithm>
#include <map>

namespace miravel {

namespace {

bool AllDigits(std::string_view text)
{
    return !text.empty() && text.size() <= 5 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A header naming the points of one question ("ポイント - Q1") or of the
// whole quiz ("スコア", "合計点数").
bool Has(const std::string& key, std::initializer_list<std::string_view> words)
{
    for (std::string_view word : words)
        if (key.find(word) != std::string::npos)
            return true;
    return false;
}
bool NamesQuestionPoints(std::string_view header) { return Has(MatchKey(header), {"ポイント", "points"}); }
bool NamesTotalPoints(std::string_view header) { return Has(MatchKey(header), {"スコア", "得点", "点数", "合計", "score"}); }
// Google Forms' and Microsoft Forms' submission time; the start of the
// answer only when nothing says when it was sent.
bool NamesSubmission(std::string_view header) { return Has(MatchKey(header), {"タイムスタンプ", "完了時刻", "timestamp", "completiontime"}); }
bool NamesStart(std::string_view header) { return Has(MatchKey(header), {"開始時刻", "starttime"}); }

namespace texts = testspec_texts;

// Each named student's name and account as compared.
struct RosterKeys {
    std::array<std::string, kStudents> names, accounts;
    explicit RosterKeys(const GradeBook& book)
    {
        for (int n = 1; n <= book.StudentCount; ++n) {
            if (book.StudentNames[n - 1].empty())
                continue;
            names[n - 1] = MatchKey(book.StudentNames[n - 1]);
            accounts[n - 1] = MatchKey(book.Evaluation.StudentAccounts[n - 1]);
        }
    }
    // The one student whose key in `keys` is `key`; 0 for none or several.
    static int Only(const std::array<std::string, kStudents>& keys, const std::string& key)
    {
        int found = 0;
        for (int i = 0; i < kStudents && !key.empty(); ++i) {
            if (keys[i] != key)
                continue;
            if (found)
                return 0;
            found = i + 1;
        }
        return found;
    }
};

} // namespace

CellPoints PointsOfCell(std::string_view cell)
{
    const std::string text = TrimBlanks(cell);
    if (IsAbsentMark(text))
        return {"*", std::nullopt};
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        return {text, std::nullopt};
    const std::string points = TrimBlanks(std::string_view(text).substr(0, slash));
    const std::string whole = TrimBlanks(std::string_view(text).substr(slash + 1));
    if (!AllDigits(whole) || points.empty())
        return {text, std::nullopt};
    return {points, std::stoi(whole)};
}

ScoreColumns DetectScoreColumns(const std::vector<CsvRow>& rows, const ViewpointChecks& checks)
{
    const ImportColumns found = DetectColumns(rows);
    ScoreColumns columns;
    columns.number = found.number;
    columns.name = found.name;
    columns.account = found.account;
    columns.header = found.header;
    if (!found.header)
        return columns;
    // Points per question go to the assessed viewpoints in order; without
    // them the quiz's score goes to the first.
    std::vector<int> questions;
    int total = -1, start = -1;
    for (int c = 0; c < static_cast<int>(ColumnCount(rows)); ++c) {
        const std::string& header = CellOf(rows[0], c);
        if (NamesSubmission(header) && columns.stamp < 0)
            columns.stamp = c;
        else if (NamesStart(header) && start < 0)
            start = c;
        else if (NamesQuestionPoints(header))
            questions.push_back(c);
        else if (total < 0 && NamesTotalPoints(header))
            total = c;
    }
    if (columns.stamp < 0)
        columns.stamp = start;
    if (questions.empty() && total >= 0)
        questions.push_back(total);
    std::size_t next = 0;
    for (int k = 0; k < kViewpoints && next < questions.size(); ++k)
        if (checks[k])
            columns.points[k] = questions[next++];
    return columns;
}

ScoreImportPlan PlanScoreImport(const GradeBook& book, const TextGrid& grid, const std::vector<CsvRow>& rows,
                                const ScoreColumns& columns, const ViewpointChecks& checks,
                                const ViewpointTexts& fullMarks, const std::map<int, int>& picked)
{
    const RosterKeys keys(book);
    ScoreImportPlan plan;
    std::map<int, std::vector<std::size_t>> rowsOf;  // attendance number -> its rows in plan.rows
    for (std::size_t i = columns.header ? 1 : 0; i < rows.size(); ++i) {
        const CsvRow& cells = rows[i];
        ScoreImportRow row;
        row.fileRow = static_cast<int>(i) + 1;
        const std::string account = TrimBlanks(CellOf(cells, columns.account));
        int n = RosterKeys::Only(keys.accounts, MatchKey(account));
        const bool byAccount = n > 0;
        if (!n && columns.number >= 0) {
            n = AttendanceNumberOf(CellOf(cells, columns.number));
            n = n <= book.StudentCount && !keys.names[std::max(n, 1) - 1].empty() ? n : 0;
        }
        if (!n && columns.name >= 0)
            n = RosterKeys::Only(keys.names, MatchKey(CellOf(cells, columns.name)));
        row.number = n;
        if (!n) {
            row.refusal = "名簿に該当する生徒がいません";
            plan.rows.push_back(std::move(row));
            continue;
        }
        rowsOf[n].push_back(plan.rows.size());
        if (!byAccount && !account.empty()) {
            if (keys.accounts[n - 1].empty())
                row.newAccount = account;
            else
                row.refusal = "アカウントが名簿と違います";
        }
        row.before = RowEntries(grid, n);
        row.after = row.before;
        for (int k = 0; k < kViewpoints; ++k) {
            if (!checks[k] || columns.points[k] < 0)
                continue;
            const CellPoints points = PointsOfCell(CellOf(cells, columns.points[k]));
            if (!points.entry.empty())
                row.after[k] = points.entry;
            if (points.fullMarks && fullMarks[k].empty())
                plan.offeredFullMarks[k] = std::max(plan.offeredFullMarks[k].value_or(0), *points.fullMarks);
        }
        const EntryCheck check = CheckEntries(row.after, fullMarks);
        if (row.refusal.empty() && !check.accepted)
            row.refusal = check.message;
        plan.rows.push_back(std::move(row));
    }
    for (const auto& [n, group] : rowsOf) {
        if (group.size() < 2)
            continue;
        std::size_t take = group.size();
        const char* reason = texts::kPickOne;
        const auto pick = picked.find(n);
        for (std::size_t i = 0; i < group.size() && pick != picked.end(); ++i)
            if (plan.rows[group[i]].fileRow == pick->second)
                take = i, reason = texts::kOtherPicked;
        if (take == group.size() && columns.stamp >= 0) {
            std::vector<std::string> stamps;
            for (std::size_t i : group)
                stamps.push_back(CellOf(rows[static_cast<std::size_t>(plan.rows[i].fileRow - 1)], columns.stamp));
            const int latest = LatestSubmission(stamps);
            take = latest >= 0 ? static_cast<std::size_t>(latest) : take;
            reason = latest >= 0 ? texts::kNewerRow : texts::kUnreadableStamp;
        }
        for (std::size_t i = 0; i < group.size(); ++i) {
            ScoreImportRow& row = plan.rows[group[i]];
            row.sameStudent = true;
            row.chosen = i == take;
            if (row.chosen)
                continue;
            row.refusal = reason;
            row.passedOver = take < group.size();
        }
    }
    for (const ScoreImportRow& row : plan.rows)
        plan.taken += row.number && row.refusal.empty();
    for (int n = 1; n <= book.StudentCount; ++n)
        if (!keys.names[n - 1].empty() && !rowsOf.count(n))
            plan.withoutRows.push_back(n);
    return plan;
}

std::string WithoutRowsText(const GradeBook& book, const std::vector<int>& numbers)
{
    std::string text;
    for (int n : numbers)
        text += (text.empty() ? texts::kWithoutRows : "、") + std::to_string(n) + " " + book.StudentNames[n - 1];
    return text;
}

int ApplyScoreImport(GradeBook& book, TextGrid& grid, const ScoreImportPlan& plan, const ViewpointTexts& fullMarks)
{
    int taken = 0;
    for (const ScoreImportRow& row : plan.rows)
        if (row.number && row.refusal.empty() && row.after != row.before)
            taken += CommitRow(book, grid, row.number, row.after, fullMarks);
    return taken;
}

} // namespace miravel
