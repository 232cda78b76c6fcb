#include "grades/RecordSheets.h"

#include "core/RecordEvaluation.h"
#include "grades/EvaluationList.h"
#include "grades/SheetTexts.h"

#include <algorithm>

namespace miravel {

namespace {

bool HasRecords(const GradeDocument& book, int s, const std::vector<int>& periods)
{
    for (int p : periods)
        if (p != kYearRoundPeriod && !book.Evaluation.Records.Of(s, p).empty())
            return true;
    return false;
}

std::vector<SheetRecord> SubjectRecords(const GradeDocument& book, int s, const std::vector<int>& periods, int number)
{
    std::vector<SheetRecord> records;
    for (int p : periods) {
        if (p == kYearRoundPeriod)
            continue;
        for (const ClassRecord& record : book.Evaluation.Records.Of(s, p))
            records.push_back({p, record.date, record.title, record.viewpoint, SheetRecordValue(record, number)});
    }
    return records;
}

// "評価の基準（得点率）　A：80%以上 …" for a subject 7..10.
std::string ExtraCutText(const GradeDocument& book, int s)
{
    auto percent = [](int value) { return std::to_string(value) + "%"; };
    const CriterionCut& first = book.Evaluation.CutOf(s, 0);
    std::string text = "評価の基準（記録の得点率）　";
    if (first == book.Evaluation.CutOf(s, 1) && first == book.Evaluation.CutOf(s, 2))
        return text + "A：" + percent(first.a) + "以上　B：" + percent(first.c) + "以上" + percent(first.a) +
               "未満　C：" + percent(first.c) + "未満";
    for (int v = 0; v < kViewpoints; ++v) {
        const CriterionCut& cut = book.Evaluation.CutOf(s, v);
        text += (v ? "　" : "") + RecordViewpointName(book, s, v) + " A " + percent(cut.a) + "以上・C " +
                percent(cut.c) + "未満";
    }
    return text;
}

} // namespace

std::string RecordSheetFigure(const GradeDocument& book, int number, int subject, int viewpoint, int period)
{
    const LetterEvidence evidence = EvidenceOf(book, number, subject, viewpoint, period);
    if (!evidence.any())
        return std::string();
    return (evidence.absent() ? "*" : "") + EvidenceShareText(evidence);
}

std::string SheetRecordValue(const ClassRecord& record, int number)
{
    const double value = RecordPoints(record, number);
    if (value == kRecordAbsent)
        return "欠席";
    if (!RecordValueCounts(value) || record.kind == RecordKind::Mark)
        return RecordValueText(record.kind, value);
    return RecordValueText(RecordKind::Points, value) + "/" + RecordValueText(RecordKind::Points, record.full);
}

void AddRecordSheets(const GradeBook& book, ClassSheets& sheets)
{
    for (StudentSheet& student : sheets.students)
        for (int s : sheets.subjects)
            student.subjects[s].records = SubjectRecords(book, s, sheets.periods, student.number);
    bool any = false;
    for (int s = 0; s < kRecordSubjects; ++s)
        any = any || (RecordSubjectInUse(book.Evaluation.Records, s) && HasRecords(book, s, sheets.periods));
    if (any)
        sheets.legend.push_back(sheets.criterion
                                    ? "記録：ノートや発表などの平常の記録です（◎=3、○=2、△=1）。観点ごとに、試験の得点率と"
                                      "記録の得点率を記録の割合で合わせた得点率を基準と比べます。"
                                    : "記録：ノートや発表などの平常の記録です（◎=3、○=2、△=1）。順位による評価には数えず、"
                                      "試験のない教科だけを記録の得点率と各教科の基準で評価します。");
    // Subjects with records but no test: 7..10, and by the criteria the
    // book's own, whose letters then come from their records alone.
    std::vector<int>& shown = sheets.subjects;
    std::string unrecorded;
    for (int s = 0; s < kRecordSubjects; ++s) {
        if (!RecordSubjectInUse(book.Evaluation.Records, s) ||
            std::find(shown.begin(), shown.end(), s) != shown.end())
            continue;
        const std::string name = RecordSubjectName(book, s);
        if (!HasRecords(book, s, sheets.periods) || (s < kSubjects && !sheets.criterion)) {
            unrecorded += (unrecorded.empty() ? "記録のない教科：" : "・") + name;
            continue;
        }
        shown.insert(std::upper_bound(shown.begin(), shown.end(), s), s);
        for (StudentSheet& student : sheets.students) {
            SheetSubject& subject = student.subjects[s];
            subject.name = name;
            subject.cuts = !sheets.criterion ? std::string() : s < kSubjects ? CutText(book, s) : ExtraCutText(book, s);
            subject.records = SubjectRecords(book, s, sheets.periods, student.number);
            std::string missing;
            for (int v = 0; v < kViewpoints; ++v) {
                SheetViewpoint& viewpoint = subject.viewpoints[v];
                viewpoint.name = RecordViewpointName(book, s, v);
                for (int period : sheets.periods) {
                    SheetMark& mark = viewpoint.marks[period];
                    mark.figure = RecordSheetFigure(book, student.number, s, v, period);
                    if (mark.letter.empty() && period != kYearRoundPeriod)
                        missing += (missing.empty() ? "" : "・") + viewpoint.name + "（" + sheets.periodNames[period] + "）";
                }
            }
            if (!missing.empty())
                student.missing.push_back(name + "：" + missing + "の記録がありません");
        }
    }
    sheets.unrecorded = unrecorded;
}

} // namespace miravel
