#pragma once
// The names of the changes a teacher can undo one at a time, as the edit
// menu shows them after "元に戻す：" and a saved version lists them.

#include "core/GradeBook.h"

#include <string>

namespace miravel {

std::string ClassRegistrationStep();                    // 学級の登録
std::string TransferOutStep(int studentNo);             // 出席番号 5 の転出
std::string RosterImportStep();                         // 生徒名簿の読み込み
std::string EvaluationMethodStep();                     // 評価の方法の登録
// 算数 一学期 第 3回 試験の登録 (indexes from 0).
std::string TestRegistrationStep(const GradeDocument& book, int subject, int semester, int test);
// 国語 通年の評定基準の登録 / 国語 一学期の評定基準の登録.
std::string YearRoundCriteriaStep(const GradeDocument& book, int subject);
std::string SemesterCriteriaStep(const GradeDocument& book, int subject, int semester);

} // namespace miravel
