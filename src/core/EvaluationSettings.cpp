#include "core/EvaluationSettings.h"

namespace miravel {

bool EvaluationSettings::operator==(const EvaluationSettings& o) const
{
    return Mode == o.Mode && Terms == o.Terms && Cuts == o.Cuts && ExtraCuts == o.ExtraCuts && Records == o.Records && GradeA3 == o.GradeA3 && GradeC1 == o.GradeC1 &&
           CheckedLetters == o.CheckedLetters && StudentCodes == o.StudentCodes && StudentAccounts == o.StudentAccounts &&
           OtherSettings == o.OtherSettings;
}

} // namespace miravel
