#include "core/GradeBook.h"

#include <stdexcept>
#include <string>

namespace miravel {

namespace {

void requireRange(const char* what, int value, int count)
{
    if (value < 0 || value >= count)
        throw std::out_of_range(std::string(what) + " " + std::to_string(value) + " が範囲（0〜" +
                                std::to_string(count - 1) + "）の外です");
}

EnableMainWindowHook enableMainWindowHook = nullptr;
DocumentChangedHook documentChangedHook = nullptr;

} // namespace

int TestSlot(int semester, int subject, int test, int part)
{
    requireRange("学期の番号", semester, kSemesters);
    requireRange("科目の番号", subject, kSubjects);
    requireRange("試験の番号", test, kTests);
    requireRange("観点の番号", part, kParts);
    return semester * 264 + subject * 44 + test * 4 + part;
}

int SemesterSummarySlot(int semester, int subject, int part)
{
    requireRange("学期の番号", semester, kSemesters);
    requireRange("科目の番号", subject, kSubjects);
    requireRange("観点の番号", part, kParts);
    return semester * 264 + subject * 44 + 40 + part;
}

int YearRoundSlot(int subject, int part)
{
    requireRange("科目の番号", subject, kSubjects);
    requireRange("観点の番号", part, kParts);
    return 792 + subject * 4 + part;
}

bool GradeDocument::operator==(const GradeDocument& o) const
{
    return SchoolYear == o.SchoolYear && GradeLevel == o.GradeLevel && ClassName == o.ClassName &&
           TeacherName == o.TeacherName && StudentCount == o.StudentCount && StudentNames == o.StudentNames &&
           RankCountA == o.RankCountA && RankCountC == o.RankCountC && SemesterNames == o.SemesterNames &&
           SubjectTable == o.SubjectTable && SubjectCatalogue == o.SubjectCatalogue &&
           ViewpointCatalogue == o.ViewpointCatalogue && Scores == o.Scores && SlotTitles == o.SlotTitles &&
           Evaluation == o.Evaluation;
}

Integer GradeBook::CountEnrolledStudents() const
{
    Integer count = 0;
    for (int n = 1; n <= StudentCount && n <= kStudents; ++n)
        if (!StudentNames[n - 1].empty())
            ++count;
    return count;
}

GradeBook& Book()
{
    static GradeBook book;
    return book;
}

void EnableMainWindow()
{
    if (enableMainWindowHook)
        enableMainWindowHook();
}

void SetEnableMainWindowHook(EnableMainWindowHook hook) { enableMainWindowHook = hook; }

void GradeBook::MarkChanged(const std::string& step)
{
    SavedState = true;
    if (documentChangedHook)
        documentChangedHook(step);
}

void SetDocumentChangedHook(DocumentChangedHook hook) { documentChangedHook = hook; }

} // namespace miravel
