#pragma once
// Captions and messages of the criteria editors, as the teacher sees them.

namespace miravel::criteria_texts {

inline constexpr const char kYearRoundCaption[] = "通年の評定基準の作成";   // after "<subject>の"
inline constexpr const char kSemesterDesignCaption[] = "学期毎の評定基準の作成";
inline constexpr const char kSemesterCaption[] = "の評定基準の作成";         // after "<subject>の<semester>"
inline constexpr const char kViewpointFrame[] = "の評定基準";                // after the viewpoint name
inline constexpr const char kNamesFrame[] = "科目と観点の名前の変更";
inline constexpr const char kSubjectLabel[] = "科目";
inline constexpr const char* const kViewpointLabels[] = {"観点1", "観点2", "観点3"};
inline constexpr const char kRankA[] = "Aランク";
inline constexpr const char kRankB[] = "Bランク";
inline constexpr const char kRankC[] = "Cランク";
inline constexpr const char kPersons[] = "人";
inline constexpr const char kCountAName[] = "のAランク";                    // accessible name after the viewpoint
inline constexpr const char kCountCName[] = "のCランク";
inline constexpr const char kStepUp[] = "を増やす";
inline constexpr const char kStepDown[] = "を減らす";

inline constexpr const char kCountsUnused[] = "目標準拠評価では人数を使いません";

inline constexpr const char kRegister[] = "登録";
inline constexpr const char kCancel[] = "ｷｬﾝｾﾙ";
inline constexpr const char kPrintGraphs[] = "ｸﾞﾗﾌを印刷";

inline constexpr const char kBadCount[] = "値が不正です";
inline constexpr const char kTooLargeOnRegister[] = "invalid number (too large)";
inline constexpr const char kBadCountOnRegister[] = "invalid number";
inline constexpr const char kViewpointsOverlap[] = "観点の項目が重なっています";
inline constexpr const char kSubjectTaken[] = "その教科は登録済みです";
// "<label>の文字「X」はファイルに保存できません。"
inline constexpr const char kUnstorableBefore[] = "の文字「";
inline constexpr const char kUnstorableAfter[] = "」はファイルに保存できません。";

} // namespace miravel::criteria_texts
