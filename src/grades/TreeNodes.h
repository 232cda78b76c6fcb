#pragma once
// The navigation tree as plain data: every node's key, text, picture key and
// parent, in tree order, built from the grade book. Also the reading of a
// node key back into its kind and indexes.

#include "core/GradeBook.h"
#include "grades/TablePane.h"

#include <string>
#include <vector>

namespace miravel {

// 1 class + 6 subjects + 18 semesters + 180 tests + 540 viewpoints + 18
// record nodes, at most 4 more subjects with 3 periods each, then the
// evaluation list with its 3 semesters and 通年 (three terms).
constexpr int kTreeNodeCount = 784;
// A subject node and its subtree with three terms: 1 + 3 + 30 + 90 + 3.
constexpr int kSubjectSubtreeNodes = 127;

enum NodeKind {
    kSubjectNode = 0,
    kSemesterNode = 1,
    kTestNode = 2,
    kViewpointNode = 3,
    kEvaluationNode = 4,
    kRecordsNode = 5,       // 平常の記録 of a subject (0..9) in a period: "5 2 0"
    kExtraSubjectNode = 6,  // a subject 7..10 named in the settings: "6 6"
};

// The evaluation list's node is "4"; its periods are "4 0" .. "4 2" for the
// semesters and "4 3" for 通年.
extern const char* const kEvaluationListKey;
std::string EvaluationNodeKey(int period);
// The period of an evaluation node's key, -1 for the list node itself.
int EvaluationPeriodOf(const std::string& key);

// A subject node and its subtree in the book's term system.
int SubjectSubtreeNodes(const GradeBook& book);

struct TreeNodeEntry {
    std::string key;
    std::string text;
    std::string imageKey;
    int parent;  // position in the list, -1 for the class node
};

// All nodes in tree order: the class, then each subject followed by its
// semesters, each followed by its tests, each followed by its viewpoints,
// and after the tests the semester's 平常の記録; then each named subject
// 7..10 with a records node per period; then the evaluation list and its
// periods. Two terms hide the third semester everywhere.
std::vector<TreeNodeEntry> BuildTreeNodes(const GradeBook& book);

// "0 2", "1 2 0", "2 2 0 9", "3 2 0 9 1": the kind digit and each index
// written with one leading blank.
std::string SubjectNodeKey(int subject);
std::string SemesterNodeKey(int subject, int semester);
std::string TestNodeKey(int subject, int semester, int test);
std::string ViewpointNodeKey(int subject, int semester, int test, int viewpoint);
std::string RecordsNodeKey(int subject, int period);
std::string ExtraSubjectNodeKey(int subject);

// The subject (0..9) and period (0..2) whose 平常の記録 the grid opens on
// from the node of `key`: a records node's own; a semester, test or
// viewpoint node's subject and semester; otherwise the subject the key
// names (or the current one) in the current semester.
struct RecordsPlace {
    int subject = 0;
    int period = 0;
    bool operator==(const RecordsPlace& o) const { return subject == o.subject && period == o.period; }
};
RecordsPlace RecordsPlaceOf(const std::string& key, int currentSubject, int currentSemester);

// The text of a test node: its date text, a blank and its title.
std::string TestNodeText(const GradeBook& book, int subject, int semester, int test);
// "lightoff" while no viewpoint of the test has a class average, else "lighton".
const char* TestNodeImage(const GradeBook& book, int subject, int semester, int test);
// The tests shown as registered ("lighton") over every subject and semester.
int RegisteredTestCount(const GradeBook& book);

// The number at a 1-based character position of a key: the kind at 1, the
// indexes at 3, 5, 7 and 9. A character that is not a digit, or one beyond
// the key, reads as 0.
int KeyNumberAt(const std::string& key, int position);

// Sets the selection indexes a grade node's key carries (the subject, and
// the semester, test and viewpoint as far as its kind has them; an
// evaluation node its semester) and returns the kind.
int SelectNodeIndexes(GradeBook& book, const std::string& key);

// Draws the table of a grade node of `kind` for the current selection (an
// evaluation node's period is read from CurrentNodeKey).
void ShowNodeView(GradeBook& book, TablePane& pane, int kind);

} // namespace miravel
