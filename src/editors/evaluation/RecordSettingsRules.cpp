#include "editors/evaluation/RecordSettingsRules.h"

namespace miravel {

namespace {

bool HasRecords(const ClassRecords& records, int subject)
{
    for (int period = 0; period < kRecordPeriods; ++period)
        if (!records.Of(subject, period).empty())
            return true;
    return false;
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

} // namespace

RecordSettingsProblem CheckRecordSettings(const GradeDocument& book, const EvaluationSettings& settings)
{
    using F = RecordSettingsField;
    const ClassRecords& records = settings.Records;
    for (int s = 0; s < kRecordSubjects; ++s)
        for (int v = 0; v < kRecordViewpoints; ++v)
            if (records.Weight(s, v) < 0 || records.Weight(s, v) > 100)
                return {"記録の割合は 0 から 100 までの数で入力してください。", F::Weight, s, v};

    for (int e = 0; e < kExtraSubjects; ++e) {
        const int s = kBookSubjects + e;
        const ExtraSubject& extra = records.extra[e];
        const std::string label = "教科 " + std::to_string(s + 1);
        if (!extra.InUse()) {
            if (HasRecords(records, s))
                return {label + "には平常の記録があるので、名前を消せません。", F::Name, s, -1};
            continue;
        }
        if (HasLineBreak(extra.name))
            return {label + "の名前に改行は入れられません。", F::Name, s, -1};
        for (int other = 0; other < s; ++other) {
            const std::string& name =
                other < kBookSubjects ? book.SubjectTable[other][0] : records.extra[other - kBookSubjects].name;
            if (name == extra.name)
                return {label + "の名前「" + extra.name + "」は教科 " + std::to_string(other + 1) +
                            "と同じです。別の名前にしてください。",
                        F::Name, s, -1};
        }
        for (int v = 0; v < kRecordViewpoints; ++v) {
            const std::string& name = extra.viewpoints[v];
            const std::string where = extra.name + "の観点 " + std::to_string(v + 1);
            if (name.empty())
                return {where + "の名前を入力してください。", F::ViewpointName, s, v};
            if (name.find(',') != std::string::npos || HasLineBreak(name))
                return {where + "の名前に「,」や改行は入れられません。", F::ViewpointName, s, v};
            const CriterionCut& cut = settings.CutOf(s, v);
            const bool inRange = cut.a >= 0 && cut.a <= 100 && cut.c >= 0 && cut.c <= 100;
            if (!inRange || cut.a <= cut.c)
                return {extra.name + "の「" + name + "」: " +
                            (inRange ? "A の基準は C の基準より大きくしてください。"
                                     : "基準は 0 から 100 までの数で入力してください。"),
                        F::Cut, s, v};
        }
    }
    return {};
}

} // namespace miravel
