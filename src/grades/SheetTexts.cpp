#include "grades/SheetTexts.h"

#include "core/EvaluationRules.h"

#include <cstdlib>

namespace miravel {

namespace {

const char* const kIdeographicSpace = "　";

std::string Joined(const std::vector<std::string>& parts, const char* separator)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

std::string Percent(int value) { return std::to_string(value) + "%"; }

// "2.5" for 250 hundredths, "2.25" for 225, "2" for 200.
std::string Hundredths(int value)
{
    std::string text = std::to_string(value / 100);
    const int rest = value % 100;
    if (rest != 0)
        text += "." + (rest % 10 == 0 ? std::to_string(rest / 10) : (rest < 10 ? "0" : "") + std::to_string(rest));
    return text;
}

const char* ReasonPhrase(MissingReason reason, bool wholeSubject)
{
    switch (reason) {
    case MissingReason::NoTest:
        return wholeSubject ? "の試験がありません" : "はこの観点の試験がありません";
    case MissingReason::AllAbsent:
        return "の試験をすべて欠席";
    case MissingReason::NoPoints:
        return "の得点が記録されていません";
    case MissingReason::NotEvaluated:
        break;
    }
    return "の評価が出ていません";
}

// "A：80%以上　B：50%以上80%未満　C：50%未満".
std::string OneCut(const CriterionCut& cut)
{
    return "A：" + Percent(cut.a) + "以上" + kIdeographicSpace + "B：" + Percent(cut.c) + "以上" + Percent(cut.a) +
           "未満" + kIdeographicSpace + "C：" + Percent(cut.c) + "未満";
}

// The relative legend's counts: "A は上位12名、C は下位4名" when every
// column shown shares them.
std::string RelativeCounts(const GradeDocument& book, const std::vector<int>& periods,
                           const std::vector<int>& subjects)
{
    int a = -2, c = -2;
    for (int p : periods)
        for (int s : subjects)
            for (int v = 0; v < kViewpoints; ++v) {
                const int countA = book.RankCountA[p][s * kViewpoints + v];
                const int countC = book.RankCountC[p][s * kViewpoints + v];
                if (a == -2) {
                    a = countA;
                    c = countC;
                } else if (a != countA || c != countC) {
                    return "A は上位の、C は下位の決まった人数で、人数は観点と学期ごとに決めています";
                }
            }
    const std::string upper = a > 0 ? "A は上位" + std::to_string(a) + "名" : std::string("A はなし");
    const std::string lower = c > 0 ? "C は下位" + std::to_string(c) + "名" : std::string("C はなし");
    return upper + "、" + lower + "、ほかは B";
}

} // namespace

std::string TrimBlanks(const std::string& text)
{
    const std::string wide = kIdeographicSpace;
    std::size_t first = 0, last = text.size();
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        if (first < last && text[first] == ' ') {
            ++first;
            trimmed = true;
        } else if (last - first >= wide.size() && text.compare(first, wide.size(), wide) == 0) {
            first += wide.size();
            trimmed = true;
        }
        if (first < last && text[last - 1] == ' ') {
            --last;
            trimmed = true;
        } else if (last - first >= wide.size() && text.compare(last - wide.size(), wide.size(), wide) == 0) {
            last -= wide.size();
            trimmed = true;
        }
    }
    return text.substr(first, last - first);
}

std::string SheetTestDate(const std::string& dateText)
{
    const std::string date = TrimBlanks(dateText);
    // year/month/day with "/" or "-", as the short date formats write it.
    int parts[3] = {0, 0, 0};
    int count = 0;
    std::size_t i = 0;
    while (count < 3 && i < date.size()) {
        std::size_t end = i;
        while (end < date.size() && date[end] >= '0' && date[end] <= '9' && end - i < 4)
            ++end;
        if (end == i)
            break;
        parts[count++] = std::atoi(date.substr(i, end - i).c_str());
        i = end;
        if (count < 3 && i < date.size() && (date[i] == '/' || date[i] == '-'))
            ++i;
        else
            break;
    }
    if (count == 3 && i == date.size() && parts[1] >= 1 && parts[1] <= 12 && parts[2] >= 1 && parts[2] <= 31)
        return std::to_string(parts[1]) + "月" + std::to_string(parts[2]) + "日";
    return date;
}

MissingReason ReasonOfMissing(const GradeDocument& book, int number, int s, int v, int period)
{
    const int first = period == kYearRoundPeriod ? 0 : period;
    const int last = period == kYearRoundPeriod ? ShownSemesters(book) - 1 : period;
    int parts = 0, absent = 0, scored = 0;
    for (int m = first; m <= last; ++m)
        for (int t = 0; t < kTests; ++t) {
            const auto& slot = book.Scores[TestSlot(m, s, t, v)];
            const float x = slot[number - 1];
            if (slot[kAverageColumn] < 0 && x == kNoValue)
                continue;  // the test does not assess this viewpoint
            ++parts;
            absent += x == kAbsent ? 1 : 0;
            scored += x >= 0 ? 1 : 0;
        }
    if (parts == 0)
        return MissingReason::NoTest;
    if (scored == 0)
        return absent == parts ? MissingReason::AllAbsent : MissingReason::NoPoints;
    return MissingReason::NotEvaluated;
}

std::vector<std::string> MissingLines(const GradeDocument& book, const std::vector<MissingMark>& marks,
                                      const std::vector<int>& periods)
{
    static const MissingReason kReasons[] = {MissingReason::AllAbsent, MissingReason::NoPoints,
                                             MissingReason::NoTest, MissingReason::NotEvaluated};
    constexpr int kAllViewpoints = (1 << kViewpoints) - 1;
    std::vector<std::string> lines;
    for (int s = 0; s < kSubjects; ++s)
        for (MissingReason reason : kReasons) {
            // Which viewpoints miss in each column; columns with the same
            // viewpoints share a line.
            std::vector<int> masks(periods.size(), 0);
            for (const MissingMark& mark : marks)
                for (std::size_t c = 0; c < periods.size(); ++c)
                    if (mark.subject == s && mark.reason == reason && mark.period == periods[c])
                        masks[c] |= 1 << mark.viewpoint;
            for (std::size_t c = 0; c < periods.size(); ++c) {
                const int mask = masks[c];
                if (mask == 0)
                    continue;
                std::vector<std::string> names;
                for (std::size_t d = c; d < periods.size(); ++d)
                    if (masks[d] == mask) {
                        names.push_back(periods[d] == kYearRoundPeriod ? std::string("通年") : book.SemesterNames[periods[d]]);
                        masks[d] = 0;
                    }
                std::vector<std::string> viewpoints;
                for (int v = 0; v < kViewpoints; ++v)
                    if (mask & (1 << v))
                        viewpoints.push_back(book.SubjectTable[s][v + 1]);
                const bool whole = mask == kAllViewpoints;
                const bool wholeYear = names.size() == periods.size() && periods.size() > 1;
                lines.push_back(book.SubjectTable[s][0] + (whole ? "" : "（" + Joined(viewpoints, "・") + "）") +
                                "：" + (wholeYear ? std::string("1年間") : Joined(names, "・")) +
                                ReasonPhrase(reason, whole));
            }
        }
    return lines;
}

std::string CutText(const GradeDocument& book, int s)
{
    const auto& cuts = book.Evaluation.Cuts;
    const int first = s * kViewpoints;
    std::string text = std::string("評価の基準（得点率）") + kIdeographicSpace;
    if (cuts[first] == cuts[first + 1] && cuts[first] == cuts[first + 2])
        return text + OneCut(cuts[first]);
    std::vector<std::string> parts;
    for (int v = 0; v < kViewpoints; ++v) {
        const CriterionCut& cut = cuts[first + v];
        parts.push_back(book.SubjectTable[s][v + 1] + " A " + Percent(cut.a) + "以上・C " + Percent(cut.c) + "未満");
    }
    return text + Joined(parts, kIdeographicSpace);
}

std::vector<std::string> SheetLegend(const GradeDocument& book, const std::vector<int>& periods,
                                     const std::vector<int>& recordedSubjects, bool grades)
{
    std::vector<std::string> legend;
    legend.push_back("＊ 欠席した試験があります。");
    if (book.Evaluation.Criterion())
        legend.push_back("A・B・C：目標に準じた評価です。得点率（受けた試験の得点の合計÷配点の合計、"
                         "小数第1位より下は切り捨て）を各教科の欄の下の基準と比べて決めます。");
    else
        legend.push_back("A・B・C：学級の中の順位による評価です（" +
                         RelativeCounts(book, periods, recordedSubjects) +
                         "）。平均点は受けた試験の得点の平均、（ ）は学級平均です。");
    if (grades)
        legend.push_back("評定：観点の評価を A=3、B=2、C=1 として平均し、" + Hundredths(book.Evaluation.GradeA3) +
                         " 以上で 3、" + Hundredths(book.Evaluation.GradeC1) + " 未満で 1、そのほかは 2 です。");
    legend.push_back("試験の記録：得点／配点、（ ）は学級平均です。「欠席」は欠席した試験、"
                     "「－」は得点の記録がない試験です。");
    legend.push_back("評価なし：評価の出ていない観点です。理由は表の下にあります。");
    return legend;
}

} // namespace miravel
