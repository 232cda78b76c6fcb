#pragma once
// The check of 記録の割合 and of the subjects 7..10 (names, viewpoint names
// and their A/C cuts) before the 評価の方法 window takes them.

#include "core/GradeBook.h"

#include <string>

namespace miravel {

// The names offered for a subject 7..10; any other name may be typed.
inline constexpr const char* kExtraSubjectChoices[] = {"音楽", "図画工作", "外国語", "家庭", "体育", "生活"};

enum class RecordSettingsField { None, Weight, Name, ViewpointName, Cut };

struct RecordSettingsProblem {
    std::string message;  // empty when the settings may be taken
    RecordSettingsField field = RecordSettingsField::None;
    int subject = -1;     // 0..9
    int viewpoint = -1;   // 0..2
};

// Weights within 0..100. A subject 7..10 in use: a name of its own (none of
// the six, no other of 7..10, no line break), three viewpoint names without
// a comma or line break, A above C within 0..100. A subject with records
// keeps a name, so its records never vanish from view.
RecordSettingsProblem CheckRecordSettings(const GradeDocument& book, const EvaluationSettings& settings);

} // namespace miravel
