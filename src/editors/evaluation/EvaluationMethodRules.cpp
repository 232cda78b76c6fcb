#include "editors/evaluation/EvaluationMethodRules.h"

namespace miravel {

EvaluationProblem CheckEvaluationSettings(const GradeDocument& book, const EvaluationSettings& settings)
{
    EvaluationProblem problem;
    for (int k = 0; k < kSubjectViewpoints; ++k) {
        const CriterionCut& cut = settings.Cuts[k];
        const bool inRange = cut.a >= 0 && cut.a <= 100 && cut.c >= 0 && cut.c <= 100;
        if (inRange && cut.a > cut.c)
            continue;
        const int s = k / kViewpoints, v = k % kViewpoints;
        problem.message = book.SubjectTable[s][0] + "の「" + book.SubjectTable[s][v + 1] + "」: " +
                          (inRange ? "A の基準は C の基準より大きくしてください。"
                                   : "基準は 0 から 100 までの数で入力してください。");
        problem.cut = k;
        return problem;
    }
    const bool gradesInRange = settings.GradeA3 >= 100 && settings.GradeA3 <= 300 && settings.GradeC1 >= 100 &&
                               settings.GradeC1 <= 300;
    if (!gradesInRange || settings.GradeC1 > settings.GradeA3) {
        problem.message = gradesInRange ? "評定の境目: 評定1の境目は評定3の境目以下にしてください。"
                                        : "評定の境目は 1.0 から 3.0 までの数で入力してください。";
        problem.gradeCuts = true;
    }
    return problem;
}

} // namespace miravel
