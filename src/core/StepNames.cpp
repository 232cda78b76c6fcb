#include "core/StepNames.h"

#include "core/TextRules.h"

namespace miravel {

std::string ClassRegistrationStep() { return "学級の登録"; }

std::string TransferOutStep(int studentNo) { return "出席番号" + Str(studentNo) + " の転出"; }

std::string RosterImportStep() { return "生徒名簿の読み込み"; }

std::string EvaluationMethodStep() { return "評価の方法の登録"; }

std::string TestRegistrationStep(const GradeDocument& book, int subject, int semester, int test)
{
    return book.SubjectTable[subject][0] + " " + book.SemesterNames[semester] + " 第" + Str(test + 1) + "回 試験の登録";
}

std::string YearRoundCriteriaStep(const GradeDocument& book, int subject)
{
    return book.SubjectTable[subject][0] + " 通年の評定基準の登録";
}

std::string SemesterCriteriaStep(const GradeDocument& book, int subject, int semester)
{
    return book.SubjectTable[subject][0] + " " + book.SemesterNames[semester] + "の評定基準の登録";
}

} // namespace miravel
