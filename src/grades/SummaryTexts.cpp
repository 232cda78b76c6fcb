#include "grades/SummaryTexts.h"

#include "core/EvaluationRules.h"
#include "file/CsvExport.h"
#include "grades/EvaluationList.h"

#include <algorithm>
#include <map>

namespace miravel {

namespace {

// Tenths from a ratio, rounded half up: 1000·a/b.
long long Tenths(long long a, long long b) { return (2000 * a + b) / (2 * b); }

std::string TenthsText(long long tenths) { return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10); }

std::string CutPoint(int hundredths)
{
    const std::string digits = std::to_string(100 + hundredths % 100).substr(1);
    return std::to_string(hundredths / 100) + "." + digits;
}

// "80%" or "70〜80%" over the viewpoints of the named subjects.
std::string CutRange(const GradeBook& book, bool a)
{
    int low = 101, high = -1;
    for (int s = 0; s < kSubjects; ++s) {
        if (book.SubjectTable[s][0].empty())
            continue;
        for (int v = 0; v < kViewpoints; ++v) {
            const CriterionCut& cut = book.Evaluation.Cuts[s * kViewpoints + v];
            low = std::min(low, a ? cut.a : cut.c);
            high = std::max(high, a ? cut.a : cut.c);
        }
    }
    if (high < 0)
        return "";
    return (low == high ? std::to_string(low) : std::to_string(low) + "〜" + std::to_string(high)) + "%";
}

std::string GradeCuts(const EvaluationSettings& settings)
{
    return "評定 3 は " + CutPoint(settings.GradeA3) + " 以上・1 は " + CutPoint(settings.GradeC1) + " 未満";
}

std::string ModeName(const EvaluationSettings& settings) { return settings.Criterion() ? "目標準拠評価" : "相対評価"; }

// "相対評価: 1組、2組／目標準拠評価: 3組" when the books give `kind` more
// than one value; empty otherwise.
template <class Kind>
std::string Kinds(const std::vector<SummaryBook>& books, const std::vector<std::string>& names, Kind kind)
{
    std::vector<std::pair<std::string, std::string>> groups;  // value, classes
    for (std::size_t b = 0; b < books.size(); ++b) {
        const std::string value = kind(*books[b].book);
        auto at = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == value; });
        if (at == groups.end())
            groups.push_back({value, names[b]});
        else
            at->second += "、" + names[b];
    }
    if (groups.size() < 2)
        return {};
    std::string text;
    for (const auto& [value, classes] : groups)
        text += (text.empty() ? "" : "／") + (value.empty() ? std::string("（空欄）") : value) + ": " + classes;
    return text;
}

} // namespace

std::vector<std::string> ClassNames(const std::vector<SummaryBook>& books)
{
    std::map<std::string, int> uses;
    for (const SummaryBook& book : books)
        ++uses[book.book->ClassName];
    std::vector<std::string> names;
    for (const SummaryBook& book : books) {
        const std::string& name = book.book->ClassName;
        names.push_back(name.empty() ? book.fileName : uses[name] > 1 ? name + "（" + book.fileName + "）" : name);
    }
    return names;
}

std::string SummaryPeriodName(const std::vector<SummaryBook>& books, int period)
{
    std::vector<std::string> names;
    for (const SummaryBook& book : books) {
        const std::string name = PeriodName(*book.book, period);
        if (std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : "／") + name;
    return text;
}

std::string MethodText(const GradeBook& book)
{
    const EvaluationSettings& settings = book.Evaluation;
    std::string text = ModeName(settings);
    if (settings.Criterion())
        text += "（A " + CutRange(book, true) + "以上・C " + CutRange(book, false) + "未満）";
    return text + "、" + GradeCuts(settings);
}

std::vector<std::string> SummaryWarnings(const std::vector<SummaryBook>& books,
                                         const std::vector<std::string>& classNames)
{
    std::vector<std::string> warnings;
    auto add = [&](const std::string& kinds, const std::string& what, const std::string& advice) {
        if (!kinds.empty())
            warnings.push_back("注意: " + what + "が学級によって違います（" + kinds + "）。" + advice);
    };
    add(Kinds(books, classNames, [](const GradeBook& b) { return ModeName(b.Evaluation); }), "評価の方法",
        "A・B・C の割合は同じ物差しではありません。");
    add(Kinds(books, classNames, [](const GradeBook& b) { return GradeCuts(b.Evaluation); }), "評定の基準",
        "評定の分布は同じ物差しではありません。");
    add(Kinds(books, classNames, [](const GradeBook& b) { return b.GradeLevel; }), "学年",
        "同じ学年の成績ファイルか確かめてください。");
    add(Kinds(books, classNames, [](const GradeBook& b) { return b.SchoolYear; }), "年度",
        "同じ年度の成績ファイルか確かめてください。");
    return warnings;
}

std::string ShareText(int count, int named)
{
    return named <= 0 ? std::string("－") : TenthsText(Tenths(count, named)) + "%";
}

std::string MarkLine(const GradeSummary& summary, const SummaryMark& mark)
{
    const SummaryRow& row = summary.rows[mark.row];
    const long long across = static_cast<long long>(mark.count) * mark.othersNamed -
                             static_cast<long long>(mark.othersCount) * mark.named;
    const long long points = Tenths(across < 0 ? -across : across, static_cast<long long>(mark.named) * mark.othersNamed);
    const std::string letter = mark.letter == 0 ? "A" : "C";
    return row.subject + " " + row.viewpoint + "：" + summary.classNames[mark.book] + "の " + letter + " " +
           ShareText(mark.count, mark.named) + "（" + std::to_string(mark.named) + "人中" + std::to_string(mark.count) +
           "人）は、ほかの組の " + ShareText(mark.othersCount, mark.othersNamed) + "（" +
           std::to_string(mark.othersNamed) + "人中" + std::to_string(mark.othersCount) + "人）より " +
           TenthsText(points) + "ポイント" + (across > 0 ? "多い" : "少ない");
}

std::string RowLabel(const SummaryRow& row)
{
    return row.gradeRow ? std::string("評定（3・2・1・なし）") : row.viewpoint;
}

bool IsMarked(const GradeSummary& summary, int row, int book, int column)
{
    return std::any_of(summary.marks.begin(), summary.marks.end(), [&](const SummaryMark& m) {
        return m.row == row && m.book == book && m.letter == column;
    });
}

std::string ConcernText(const SummaryStudent& student)
{
    switch (student.concern) {
    case StudentConcern::GradeOne:
        return "評定 1";
    case StudentConcern::NoEvaluation:
        return "評価なし（" + student.detail + "）";
    case StudentConcern::ThinEvidence:
        break;
    }
    return "根拠が少ない評価（" + student.detail + "）";
}

std::string NumberText(const SummaryStudent& student)
{
    return student.number == 0 ? std::string("全員") : std::to_string(student.number);
}

const std::vector<std::string>& TallyHeads(bool gradeRow)
{
    static const std::vector<std::string> letters{"A", "B", "C", "評価なし"};
    static const std::vector<std::string> grades{"3", "2", "1", "なし"};
    return gradeRow ? grades : letters;
}

std::string SummaryCsv(const GradeSummary& summary)
{
    std::string csv = "\xEF\xBB\xBF教科,観点";
    auto heads = [&csv](const std::string& group) {
        for (const std::string& head : TallyHeads(false))
            csv += "," + CsvField(group + " " + head);
    };
    for (const std::string& name : summary.classNames)
        heads(name);
    heads("学年");
    csv += "\r\n";
    for (const SummaryRow& row : summary.rows) {
        csv += CsvField(row.subject) + "," + CsvField(row.viewpoint);
        auto counts = [&csv](const std::optional<Tally>& tally) {
            for (int i = 0; i < 4; ++i)
                csv += "," + (tally ? std::to_string(tally->counts[i]) : std::string());
        };
        for (const std::optional<Tally>& tally : row.classes)
            counts(tally);
        counts(row.grade);
        csv += "\r\n";
    }
    return csv;
}

} // namespace miravel
