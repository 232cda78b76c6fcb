#include "mainwindow/TablePdfName.h"

#include "core/RecordEvaluation.h"
#include "grades/EvaluationList.h"
#include "grades/TreeNodes.h"

#include <string_view>

namespace miravel {

std::string TablePdfName(const GradeBook& book)
{
    std::string name = book.GradeLevel + book.ClassName;
    if (name.empty())
        name = "Miravel";
    const std::string& subject = book.SubjectTable[book.CurrentSubject][0];
    const std::string& semester = book.SemesterNames[book.CurrentSemester];
    const std::string test = "第" + std::to_string(book.CurrentTest + 1) + "回";
    switch (book.CurrentNodeKey == "HomeRoom" ? -1 : KeyNumberAt(book.CurrentNodeKey, 1)) {
    case kSubjectNode:
        name += "-" + subject + "-通年";
        break;
    case kSemesterNode:
        name += "-" + subject + "-" + semester;
        break;
    case kTestNode:
        name += "-" + subject + "-" + semester + "-" + test;
        break;
    case kViewpointNode:
        name += "-" + subject + "-" + semester + "-" + test + "-" +
                book.SubjectTable[book.CurrentSubject][book.CurrentViewpoint + 1];
        break;
    case kEvaluationNode: {
        name += "-評価の一覧";
        const int period = EvaluationPeriodOf(book.CurrentNodeKey);
        if (period >= 0 && period < kPeriods)
            name += "-" + PeriodName(book, period);
        break;
    }
    case kRecordsNode:
    case kExtraSubjectNode: {
        const RecordsPlace place = RecordsPlaceOf(book.CurrentNodeKey, book.CurrentSubject, book.CurrentSemester);
        name += "-" + RecordSubjectName(book, place.subject) + "-" + book.SemesterNames[place.period] + "-平常の記録";
        break;
    }
    default:
        name += "-名簿";
        break;
    }
    return FileNameSafe(name);
}

std::string FileNameSafe(std::string name)
{
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    return name;
}

} // namespace miravel
