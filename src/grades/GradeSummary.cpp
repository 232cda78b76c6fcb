#include "grades/GradeSummary.h"

#include "core/EvaluationRules.h"
#include "core/RecordEvaluation.h"
#include "grades/EvidenceChecks.h"
#include "grades/EvaluationList.h"
#include "grades/SummaryTexts.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace miravel {

bool SummaryRow::operator==(const SummaryRow& o) const
{
    return subject == o.subject && viewpoint == o.viewpoint && gradeRow == o.gradeRow && classes == o.classes &&
           grade == o.grade;
}

bool SummaryMark::operator==(const SummaryMark& o) const
{
    return row == o.row && book == o.book && letter == o.letter && count == o.count && named == o.named &&
           othersCount == o.othersCount && othersNamed == o.othersNamed;
}

bool SummaryStudent::operator==(const SummaryStudent& o) const
{
    return book == o.book && number == o.number && name == o.name && subject == o.subject && concern == o.concern &&
           detail == o.detail;
}

namespace {

const char* const kGradeRowName = "評定";

int LetterColumn(const std::string& letter)
{
    return letter == "A" ? 0 : letter == "B" ? 1 : letter == "C" ? 2 : kTallyNone;
}

int GradeColumn(const std::string& grade) { return grade == "3" ? 0 : grade == "2" ? 1 : grade == "1" ? 2 : kTallyNone; }

bool Named(const GradeBook& book, int n) { return !book.StudentNames[n - 1].empty(); }

// A subject's place among the rows: its name, and which of the same name in
// one book it is (a book naming two subjects alike keeps both apart).
struct SubjectKey {
    std::string name;
    int occurrence = 0;
    bool operator<(const SubjectKey& o) const
    {
        return name != o.name ? name < o.name : occurrence < o.occurrence;
    }
};

struct SubjectGroup {
    SubjectKey key;
    std::vector<std::string> viewpoints;  // in the order they first appear
    // Per book: the book's subject index, or -1.
    std::vector<int> subjectOf;
};

std::vector<SubjectGroup> GroupSubjects(const std::vector<SummaryBook>& books)
{
    std::vector<SubjectGroup> groups;
    std::map<SubjectKey, std::size_t> index;
    for (std::size_t b = 0; b < books.size(); ++b) {
        const GradeBook& book = *books[b].book;
        std::map<std::string, int> seen;
        for (int s = 0; s < kRecordSubjects; ++s) {
            const std::string name = RecordSubjectName(book, s);
            if (name.empty())
                continue;
            const SubjectKey key{name, seen[name]++};
            auto [at, added] = index.emplace(key, groups.size());
            if (added)
                groups.push_back({key, {}, std::vector<int>(books.size(), -1)});
            SubjectGroup& group = groups[at->second];
            group.subjectOf[b] = s;
            for (int v = 1; v <= kViewpoints; ++v) {
                const std::string viewpoint = RecordViewpointName(book, s, v - 1);
                if (std::find(group.viewpoints.begin(), group.viewpoints.end(), viewpoint) == group.viewpoints.end())
                    group.viewpoints.push_back(viewpoint);
            }
        }
    }
    return groups;
}

// The viewpoint index of `name` in subject s of the book, or -1.
int ViewpointOf(const GradeBook& book, int s, const std::string& name)
{
    for (int v = 0; v < kViewpoints; ++v)
        if (RecordViewpointName(book, s, v) == name)
            return v;
    return -1;
}

std::string SubjectLabel(const SubjectKey& key)
{
    return key.occurrence == 0 ? key.name : key.name + "（" + std::to_string(key.occurrence + 1) + "）";
}

void AddTo(Tally& sum, const Tally& part)
{
    for (std::size_t i = 0; i < sum.counts.size(); ++i)
        sum.counts[i] += part.counts[i];
}

// Marks on one viewpoint row; shares compared exactly in whole numbers:
// |x/n - X/N|·100 > margin  ⇔  |x·N - X·n|·100 > margin·n·N.
void MarkRow(const SummaryRow& row, int rowIndex, int marginPoints, std::vector<SummaryMark>& marks)
{
    auto compared = [](const std::optional<Tally>& t) { return t && t->Named() > t->counts[kTallyNone]; };
    for (std::size_t b = 0; b < row.classes.size(); ++b) {
        if (!compared(row.classes[b]))
            continue;
        for (int letter : {0, 2}) {
            const long long x = row.classes[b]->counts[letter], n = row.classes[b]->Named();
            long long others = 0, othersNamed = 0;
            for (std::size_t o = 0; o < row.classes.size(); ++o)
                if (o != b && compared(row.classes[o])) {
                    others += row.classes[o]->counts[letter];
                    othersNamed += row.classes[o]->Named();
                }
            if (othersNamed == 0)
                continue;
            if (std::llabs(x * othersNamed - others * n) * 100 > marginPoints * n * othersNamed)
                marks.push_back({rowIndex, static_cast<int>(b), letter, static_cast<int>(x), static_cast<int>(n),
                                 static_cast<int>(others), static_cast<int>(othersNamed)});
        }
    }
}

// A viewpoint nobody in the class has a letter on is not evaluated yet: one
// line for the class, instead of one for each of its students.
void AddStudents(const std::vector<SummaryBook>& books, const std::vector<std::vector<StudentEvaluation>>& lists,
                 int period, std::vector<SummaryStudent>& students)
{
    for (std::size_t b = 0; b < books.size(); ++b) {
        const GradeBook& book = *books[b].book;
        const int index = static_cast<int>(b);
        bool wholeClass[kRecordSubjects][kViewpoints];
        for (int s = 0; s < kRecordSubjects; ++s) {
            const std::string subject = RecordSubjectName(book, s);
            std::string missing;
            for (int v = 0; v < kViewpoints; ++v) {
                bool anyNamed = false, anyLetter = false;
                for (int n = 1; n <= book.StudentCount; ++n)
                    if (Named(book, n)) {
                        anyNamed = true;
                        anyLetter = anyLetter || !lists[b][n - 1].letters[s][v].empty();
                    }
                wholeClass[s][v] = anyNamed && !anyLetter;
                if (wholeClass[s][v])
                    missing += (missing.empty() ? "" : "、") + RecordViewpointName(book, s, v);
            }
            if (!missing.empty() && !subject.empty())
                students.push_back({index, 0, "", subject, StudentConcern::NoEvaluation, missing});
        }
        for (int n = 1; n <= book.StudentCount; ++n) {
            if (!Named(book, n))
                continue;
            const StudentEvaluation& student = lists[b][n - 1];
            for (int s = 0; s < kRecordSubjects; ++s) {
                const std::string subject = RecordSubjectName(book, s);
                if (subject.empty())
                    continue;
                const SummaryStudent base{index, n, book.StudentNames[n - 1], subject, StudentConcern::GradeOne, ""};
                if (student.grades[s] == "1")
                    students.push_back(base);
                std::string missing;
                for (int v = 0; v < kViewpoints; ++v)
                    if (student.letters[s][v].empty() && !wholeClass[s][v])
                        missing += (missing.empty() ? "" : "、") + RecordViewpointName(book, s, v);
                if (!missing.empty()) {
                    students.push_back(base);
                    students.back().concern = StudentConcern::NoEvaluation;
                    students.back().detail = missing;
                }
            }
        }
        for (const ThinEvidence& thin : FindThinEvidence(book))
            if (thin.period == period)
                students.push_back({index, thin.student, book.StudentNames[thin.student - 1],
                                    RecordSubjectName(book, thin.subject), StudentConcern::ThinEvidence,
                                    RecordViewpointName(book, thin.subject, thin.viewpoint)});
    }
}

} // namespace

GradeSummary SummarizeGrade(const std::vector<SummaryBook>& books, int period, int marginPoints)
{
    GradeSummary summary;
    summary.classNames = ClassNames(books);
    summary.periodName = SummaryPeriodName(books, period);
    for (std::size_t b = 0; b < books.size(); ++b)
        summary.methodLines.push_back(summary.classNames[b] + "：" + MethodText(*books[b].book));
    summary.warnings = SummaryWarnings(books, summary.classNames);

    std::vector<std::vector<StudentEvaluation>> lists;
    for (const SummaryBook& book : books)
        lists.push_back(EvaluatePeriod(*book.book, period));

    for (const SubjectGroup& group : GroupSubjects(books)) {
        const std::string subject = SubjectLabel(group.key);
        for (const std::string& viewpoint : group.viewpoints) {
            SummaryRow row{subject, viewpoint, false, std::vector<std::optional<Tally>>(books.size()), {}};
            for (std::size_t b = 0; b < books.size(); ++b) {
                const int s = group.subjectOf[b];
                const int v = s < 0 ? -1 : ViewpointOf(*books[b].book, s, viewpoint);
                if (v < 0)
                    continue;
                Tally tally;
                for (int n = 1; n <= books[b].book->StudentCount; ++n)
                    if (Named(*books[b].book, n))
                        ++tally.counts[LetterColumn(lists[b][n - 1].letters[s][v])];
                row.classes[b] = tally;
                AddTo(row.grade, tally);
            }
            MarkRow(row, static_cast<int>(summary.rows.size()), marginPoints, summary.marks);
            summary.rows.push_back(std::move(row));
        }
        SummaryRow grades{subject, kGradeRowName, true, std::vector<std::optional<Tally>>(books.size()), {}};
        for (std::size_t b = 0; b < books.size(); ++b) {
            const int s = group.subjectOf[b];
            if (s < 0)
                continue;
            Tally tally;
            for (int n = 1; n <= books[b].book->StudentCount; ++n)
                if (Named(*books[b].book, n))
                    ++tally.counts[GradeColumn(lists[b][n - 1].grades[s])];
            grades.classes[b] = tally;
            AddTo(grades.grade, tally);
        }
        summary.rows.push_back(std::move(grades));
    }
    AddStudents(books, lists, period, summary.students);
    return summary;
}

std::string PeriodProblem(const std::vector<SummaryBook>& books, int period)
{
    for (const SummaryBook& book : books)
        if (period < kYearRoundPeriod && period >= ShownSemesters(*book.book))
            return book.fileName + " は2学期制です。期間は 1、2 か 4（通年）を選んでください。";
    return {};
}

} // namespace miravel
