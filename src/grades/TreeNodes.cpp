#include "grades/TreeNodes.h"

#include "grades/GridBase.h"

#include "core/Defaults.h"
#include "core/EvaluationRules.h"
#include "grades/EvaluationList.h"
#include "core/TextRules.h"
#include "grades/GradeViews.h"
#include "grades/RecordsView.h"

#include <string_view>

namespace miravel {

namespace {

const char* const kClassKey = "HomeRoom";

// A subject 7..10 named like one of the book's pictures shows it.
const char* ExtraSubjectImage(const std::string& name)
{
    if (name == "家庭")
        return "HOMEMAKE";
    if (name == "体育")
        return "PHYSICAL";
    return "test";
}

} // namespace

const char* const kEvaluationListKey = "4";

std::string EvaluationNodeKey(int period) { return kEvaluationListKey + Str(period); }

int EvaluationPeriodOf(const std::string& key)
{
    if (KeyNumberAt(key, 1) != kEvaluationNode || key.size() < 3)
        return -1;
    return KeyNumberAt(key, 3) <= kYearRoundPeriod ? KeyNumberAt(key, 3) : -1;
}

int SubjectSubtreeNodes(const GradeBook& book)
{
    return 1 + ShownSemesters(book) * (1 + kTests * (1 + kViewpoints) + 1);
}

std::string SubjectNodeKey(int subject) { return "0" + Str(subject); }

std::string SemesterNodeKey(int subject, int semester) { return "1" + Str(subject) + Str(semester); }

std::string TestNodeKey(int subject, int semester, int test)
{
    return "2" + Str(subject) + Str(semester) + Str(test);
}

std::string ViewpointNodeKey(int subject, int semester, int test, int viewpoint)
{
    return "3" + Str(subject) + Str(semester) + Str(test) + Str(viewpoint);
}

std::string RecordsNodeKey(int subject, int period) { return "5" + Str(subject) + Str(period); }

std::string ExtraSubjectNodeKey(int subject) { return "6" + Str(subject); }

RecordsPlace RecordsPlaceOf(const std::string& key, int currentSubject, int currentSemester)
{
    // The class node's key is a word, whose letters read as 0.
    const bool gradeNode = !key.empty() && key[0] >= '0' && key[0] <= '9';
    switch (gradeNode ? KeyNumberAt(key, 1) : -1) {
    case kRecordsNode:
    case kSemesterNode:
    case kTestNode:
    case kViewpointNode:
        return {KeyNumberAt(key, 3), KeyNumberAt(key, 5)};
    case kSubjectNode:
    case kExtraSubjectNode:
        if (key.size() >= 3)
            return {KeyNumberAt(key, 3), currentSemester};
        break;
    default:
        break;
    }
    return {currentSubject, currentSemester};
}

std::string TestNodeText(const GradeBook& book, int subject, int semester, int test)
{
    const auto& titles = book.SlotTitles[TestSlot(semester, subject, test, 0)];
    return titles[0] + " " + titles[1];
}

const char* TestNodeImage(const GradeBook& book, int subject, int semester, int test)
{
    for (int part = 0; part < kViewpoints; ++part)
        if (book.Scores[TestSlot(semester, subject, test, part)][kAverageColumn] >= 0)
            return "lighton";
    return "lightoff";
}

int RegisteredTestCount(const GradeBook& book)
{
    int count = 0;
    for (int s = 0; s < kSubjects; ++s)
        for (int m = 0; m < kSemesters; ++m)
            for (int t = 0; t < kTests; ++t)
                count += std::string_view(TestNodeImage(book, s, m, t)) == "lighton" ? 1 : 0;
    return count;
}

std::vector<TreeNodeEntry> BuildTreeNodes(const GradeBook& book)
{
    std::vector<TreeNodeEntry> nodes;
    nodes.reserve(kTreeNodeCount);
    nodes.push_back({kClassKey, ClassLine(book), "root", -1});
    for (int s = 0; s < kSubjects; ++s) {
        const std::string& subjectName = book.SubjectTable[s][0];
        const int subjectNode = static_cast<int>(nodes.size());
        nodes.push_back({SubjectNodeKey(s), subjectName, SubjectKeys[s], 0});
        for (int m = 0; m < ShownSemesters(book); ++m) {
            const int semesterNode = static_cast<int>(nodes.size());
            nodes.push_back({SemesterNodeKey(s, m), book.SemesterNames[m] + "(" + subjectName + ")",
                             SemesterKeys[m], subjectNode});
            for (int t = 0; t < kTests; ++t) {
                const int testNode = static_cast<int>(nodes.size());
                const std::string testText = TestNodeText(book, s, m, t);
                nodes.push_back({TestNodeKey(s, m, t), testText, TestNodeImage(book, s, m, t), semesterNode});
                for (int v = 0; v < kViewpoints; ++v)
                    nodes.push_back(
                        {ViewpointNodeKey(s, m, t, v), testText + book.SubjectTable[s][v + 1], "test", testNode});
            }
            nodes.push_back({RecordsNodeKey(s, m), "平常の記録", "test", semesterNode});
        }
    }
    for (int e = 0; e < kExtraSubjects; ++e) {
        const ExtraSubject& extra = book.Evaluation.Records.extra[e];
        if (!extra.InUse())
            continue;
        const int s = kBookSubjects + e;
        const int subjectNode = static_cast<int>(nodes.size());
        nodes.push_back({ExtraSubjectNodeKey(s), extra.name, ExtraSubjectImage(extra.name), 0});
        for (int m = 0; m < ShownSemesters(book); ++m)
            nodes.push_back({RecordsNodeKey(s, m), book.SemesterNames[m] + "(" + extra.name + ")", SemesterKeys[m],
                             subjectNode});
    }
    const int listNode = static_cast<int>(nodes.size());
    nodes.push_back({kEvaluationListKey, "評価の一覧", "root", 0});
    for (int m = 0; m < ShownSemesters(book); ++m)
        nodes.push_back({EvaluationNodeKey(m), PeriodName(book, m), SemesterKeys[m], listNode});
    nodes.push_back({EvaluationNodeKey(kYearRoundPeriod), PeriodName(book, kYearRoundPeriod), "root", listNode});
    return nodes;
}

int KeyNumberAt(const std::string& key, int position)
{
    if (position < 1 || static_cast<std::size_t>(position) > key.size())
        return 0;
    const char c = key[position - 1];
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

int SelectNodeIndexes(GradeBook& book, const std::string& key)
{
    const int kind = KeyNumberAt(key, 1);
    if (kind == kExtraSubjectNode)
        return kind;  // the book's indexes know six subjects
    if (kind == kRecordsNode) {
        if (KeyNumberAt(key, 3) < kSubjects) {
            book.CurrentSubject = static_cast<Integer>(KeyNumberAt(key, 3));
            book.CurrentSemester = static_cast<Integer>(KeyNumberAt(key, 5));
        }
        return kind;
    }
    if (kind == kEvaluationNode) {
        const int period = EvaluationPeriodOf(key);
        if (period >= 0 && period < kSemesters)
            book.CurrentSemester = static_cast<Integer>(period);
        return kind;
    }
    // Each kind carries the indexes of the levels above it.
    Integer* const levels[] = {&book.CurrentSubject, &book.CurrentSemester, &book.CurrentTest, &book.CurrentViewpoint};
    for (int level = 0; level <= kind && level < 4; ++level)
        *levels[level] = static_cast<Integer>(KeyNumberAt(key, 3 + 2 * level));
    return kind;
}

void ShowNodeView(GradeBook& book, TablePane& pane, int kind)
{
    switch (kind) {
    case kSubjectNode:
        ShowYearRoundView(book, pane);
        break;
    case kSemesterNode:
        ShowSemesterView(book, pane);
        break;
    case kTestNode:
        ShowTestView(book, pane);
        break;
    case kViewpointNode:
        ShowViewpointView(book, pane);
        break;
    case kRecordsNode:
    case kExtraSubjectNode: {
        const RecordsPlace place = RecordsPlaceOf(book.CurrentNodeKey, book.CurrentSubject, book.CurrentSemester);
        ShowRecordsView(book, pane, place.subject, place.period);
        break;
    }
    case kEvaluationNode:
        if (EvaluationPeriodOf(book.CurrentNodeKey) >= 0)
            ShowEvaluationListView(book, pane, EvaluationPeriodOf(book.CurrentNodeKey));
        break;
    default:
        break;
    }
}

} // namespace miravel
