#include "editors/testspec/TestRegistration.h"

#include "core/StepNames.h"
#include "core/TextRules.h"
#include "editors/testspec/ScoreTable.h"
#include "editors/testspec/TestSpecTexts.h"
#include "file/FieldText.h"

#include <vector>

namespace miravel {

namespace texts = testspec_texts;

namespace {

constexpr double kHighestFullMarks = 32767;
constexpr std::size_t kListedStudents = 10;  // more lines would push the buttons off the screen

// The names of viewpoints (0..2) of the current subject, joined by 「、」.
std::string ViewpointList(const GradeBook& book, const std::vector<int>& viewpoints)
{
    std::string text;
    for (int k : viewpoints)
        text += (text.empty() ? "" : "、") + book.SubjectTable[book.CurrentSubject][k + 1];
    return text;
}

std::string WithCharacter(const char* message, const std::string& character)
{
    std::string text = message;
    text.replace(text.find("%1"), 2, character);
    return text;
}

// A student's summary over the test-part slots: the mean of the counted
// scores (10000 added when absent from any), -2 when absent from every test
// counted, -1 without any score at all.
Single StudentSummary(const GradeBook& book, const std::vector<int>& slots, int column)
{
    double sum = 0;
    int count = 0;
    bool absent = false;
    for (int slot : slots) {
        const Single value = book.Scores[slot][column];
        if (value == kAbsent)
            absent = true;
        else if (value != kNoValue) {
            sum += value;
            ++count;
        }
    }
    if (count == 0)
        return absent ? kAbsent : kNoValue;
    const double average = sum / count;
    return static_cast<Single>(absent ? average + kAbsenceMark : average);
}

// Averages the test-part slots `slots` per student into `summarySlot`; the
// class value is the mean over the named students who have a value.
void Summarise(GradeBook& book, const std::vector<int>& slots, int summarySlot)
{
    auto& summary = book.Scores[summarySlot];
    double classSum = 0;
    int counted = 0;
    for (int n = 1; n <= book.StudentCount; ++n) {
        const Single stored = summary[n - 1] = StudentSummary(book, slots, n - 1);
        if (book.StudentNames[n - 1].empty() || stored == kNoValue || stored == kAbsent)
            continue;
        classSum += stored >= kAbsenceMark ? stored - kAbsenceMark : stored;
        ++counted;
    }
    summary[kAverageColumn] = counted > 0 ? static_cast<Single>(classSum / counted) : kNoValue;
}

} // namespace

DefinitionCheck CheckDefinition(const TestDefinition& definition)
{
    if (const auto character = UnstorableCharacter(StorableFieldText(definition.title)))
        return {DefinitionField::Title, WithCharacter(texts::kTitleUnstorable, *character)};
    if (const auto character = UnstorableCharacter(StorableFieldText(definition.date)))
        return {DefinitionField::Date, WithCharacter(texts::kDateUnstorable, *character)};
    static const DefinitionField fields[] = {DefinitionField::FullMarks1, DefinitionField::FullMarks2,
                                             DefinitionField::FullMarks3};
    for (int k = 0; k < kViewpoints; ++k) {
        const std::string& text = definition.fullMarks[k];
        if (text.empty())
            continue;
        const double fullMarks = LeadingNumber(text);
        if (!(fullMarks > 0 && fullMarks <= kHighestFullMarks))
            return {fields[k], texts::kFullMarksOutOfRange};
    }
    return {};
}

std::vector<int> ViewpointsWithoutFullMarks(const GradeBook& book, const TextGrid& grid,
                                            const TestDefinition& definition, const ViewpointChecks& ticked)
{
    const int base = TestSlot(book.CurrentSemester, book.CurrentSubject, book.CurrentTest, 0);
    std::vector<int> found;
    for (int k = 0; k < kViewpoints; ++k) {
        if (!ticked[k] || !definition.fullMarks[k].empty() || book.Scores[base + k][kFullMarksColumn] > 0)
            continue;
        for (int n = 1; n <= book.StudentCount && n < grid.Rows(); ++n) {
            const std::string& cell = grid.TextMatrix(n, kFirstViewpointColumn + k);
            if (!cell.empty() && cell != "*") {
                found.push_back(k);
                break;
            }
        }
    }
    return found;
}

std::string FullMarksQuestion(const GradeBook& book, const std::vector<int>& viewpoints)
{
    return ViewpointList(book, viewpoints) + texts::kAskFullMarks;
}

std::vector<BlankEntries> PartlyBlankStudents(const GradeBook& book, const TextGrid& grid,
                                              const ViewpointChecks& ticked)
{
    std::vector<BlankEntries> found;
    for (int n = 1; n <= book.StudentCount && n < grid.Rows(); ++n) {
        if (book.StudentNames[n - 1].empty())
            continue;
        BlankEntries student{n, {}};
        bool filled = false;
        for (int k = 0; k < kViewpoints; ++k) {
            if (!ticked[k])
                continue;
            if (grid.TextMatrix(n, kFirstViewpointColumn + k).empty())
                student.viewpoints.push_back(k);
            else
                filled = true;
        }
        if (filled && !student.viewpoints.empty())
            found.push_back(std::move(student));
    }
    return found;
}

std::string BlankEntriesQuestion(const GradeBook& book, const std::vector<BlankEntries>& students)
{
    std::string text;
    for (std::size_t i = 0; i < students.size() && i < kListedStudents; ++i)
        text += std::string(i ? "\n" : "") + texts::kNumberPrefix + std::to_string(students[i].number) + " の" +
                ViewpointList(book, students[i].viewpoints) + texts::kBlankSuffix;
    if (students.size() > kListedStudents)
        text += "\nほか" + std::to_string(students.size() - kListedStudents) + "人";
    return text + (students.size() > 1 ? "\n" : "") + texts::kRegisterAnyway;
}

void RegisterTest(GradeBook& book, const TextGrid& grid, const TestDefinition& definition)
{
    const int base = TestSlot(book.CurrentSemester, book.CurrentSubject, book.CurrentTest, 0);
    book.SlotTitles[base][1] = StorableFieldText(definition.title);
    book.SlotTitles[base][0] = StorableFieldText(definition.date);

    for (int n = 1; n <= book.StudentCount; ++n)
        for (int k = 0; k < kParts; ++k)
            CellToScore(book, base + k, n - 1, grid, n, kFirstViewpointColumn + k);
    for (int k = 0; k < kParts; ++k) {
        CellToScore(book, base + k, kAverageColumn, grid, ClassAverageRow(book), kFirstViewpointColumn + k);
        book.Scores[base + k][kExamineeColumn] = book.ExamineeCount;
    }

    RecomputeSemesterSummary(book, book.CurrentSemester, book.CurrentSubject);
    RecomputeYearRoundSummary(book, book.CurrentSubject);

    for (int k = 0; k < kViewpoints; ++k)
        if (!definition.fullMarks[k].empty())
            book.Scores[base + k][kFullMarksColumn] = static_cast<Single>(LeadingNumber(definition.fullMarks[k]));

    book.EditAccepted = true;
    book.MarkChanged(TestRegistrationStep(book, book.CurrentSubject, book.CurrentSemester, book.CurrentTest));
}

void RecomputeSemesterSummary(GradeBook& book, int semester, int subject)
{
    for (int p = 0; p < kParts; ++p) {
        std::vector<int> slots;
        for (int t = 0; t < kTests; ++t)
            slots.push_back(TestSlot(semester, subject, t, p));
        Summarise(book, slots, SemesterSummarySlot(semester, subject, p));
    }
}

void RecomputeYearRoundSummary(GradeBook& book, int subject)
{
    for (int p = 0; p < kParts; ++p) {
        std::vector<int> slots;
        for (int m = 0; m < kSemesters; ++m)
            for (int t = 0; t < kTests; ++t)
                slots.push_back(TestSlot(m, subject, t, p));
        Summarise(book, slots, YearRoundSlot(subject, p));
    }
}

} // namespace miravel
