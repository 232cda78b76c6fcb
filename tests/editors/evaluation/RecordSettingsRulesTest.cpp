// The check of 記録の割合 and of subjects 7..10 as a table: each row one
// change to good settings and the problem it must give.

#include "editors/evaluation/RecordSettingsRules.h"

#include "support/Books.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace miravel::test {
namespace {

using F = RecordSettingsField;

TEST(RecordSettingsRules, EachProblemNamesItsPlace)
{
    const auto book = ClassBook({"山田"});
    EvaluationSettings good;
    good.Records.extra[0].name = "音楽";
    good.Records.extra[2].name = "図画工作";  // 体育 and 家庭 are among the six
    ASSERT_EQ(CheckRecordSettings(*book, good).message, "");

    struct Case {
        std::function<void(EvaluationSettings&)> change;
        RecordSettingsProblem expected;
    };
    const Case cases[] = {
        {[](EvaluationSettings& s) { s.Records.Weight(9, 2) = 101; },
         {"記録の割合は 0 から 100 までの数で入力してください。", F::Weight, 9, 2}},
        {[](EvaluationSettings& s) { s.Records.Weight(0, 0) = -1; },
         {"記録の割合は 0 から 100 までの数で入力してください。", F::Weight, 0, 0}},
        {[](EvaluationSettings& s) { s.Records.Weight(3, 1) = 0; s.Records.Weight(4, 1) = 100; }, {}},
        {[&](EvaluationSettings& s) { s.Records.extra[1].name = book->SubjectTable[1][0]; },
         {"教科 8の名前「" + book->SubjectTable[1][0] + "」は教科 2と同じです。別の名前にしてください。", F::Name, 7, -1}},
        {[](EvaluationSettings& s) { s.Records.extra[3].name = "体育"; },
         {"教科 10の名前「体育」は教科 6と同じです。別の名前にしてください。", F::Name, 9, -1}},
        {[](EvaluationSettings& s) { s.Records.extra[3].name = "音楽"; },
         {"教科 10の名前「音楽」は教科 7と同じです。別の名前にしてください。", F::Name, 9, -1}},
        {[](EvaluationSettings& s) { s.Records.extra[0].name = "音\n楽"; },
         {"教科 7の名前に改行は入れられません。", F::Name, 6, -1}},
        {[](EvaluationSettings& s) { s.Records.extra[2].viewpoints[1] = ""; },
         {"図画工作の観点 2の名前を入力してください。", F::ViewpointName, 8, 1}},
        {[](EvaluationSettings& s) { s.Records.extra[0].viewpoints[2] = "態度,意欲"; },
         {"音楽の観点 3の名前に「,」や改行は入れられません。", F::ViewpointName, 6, 2}},
        {[](EvaluationSettings& s) { s.CutOf(8, 2) = {50, 50}; },
         {"図画工作の「主体的に学習に取り組む態度」: A の基準は C の基準より大きくしてください。", F::Cut, 8, 2}},
        {[](EvaluationSettings& s) { s.CutOf(6, 0) = {101, 50}; },
         {"音楽の「知識・技能」: 基準は 0 から 100 までの数で入力してください。", F::Cut, 6, 0}},
        // A subject not in use is not checked, unless it has records.
        {[](EvaluationSettings& s) { s.CutOf(7, 0) = {10, 90}; s.Records.extra[1].viewpoints[0] = ""; }, {}},
        {[](EvaluationSettings& s) { s.Records.extra[0].name = ""; s.Records.Of(6, 2).resize(1); },
         {"教科 7には平常の記録があるので、名前を消せません。", F::Name, 6, -1}},
    };
    for (const Case& c : cases) {
        EvaluationSettings settings = good;
        c.change(settings);
        const RecordSettingsProblem got = CheckRecordSettings(*book, settings);
        EXPECT_EQ(std::make_tuple(got.message, got.field, got.subject, got.viewpoint),
                  std::make_tuple(c.expected.message, c.expected.field, c.expected.subject, c.expected.viewpoint));
    }
}

} // namespace
} // namespace miravel::test
