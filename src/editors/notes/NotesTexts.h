#pragma once
// The captions and messages of the notes editor, exactly as the teacher sees them.

namespace miravel::notes_texts {

inline constexpr const char kWindowCaption[] = "所見と出欠";
inline constexpr const char kPeriodLabel[] = "学期(&G)";
inline constexpr const char kStudentTab[] = "児童ごと(&S)";
inline constexpr const char kListTab[] = "一覧(&L)";
inline constexpr const char kNumberLabel[] = "出席番号(&N)";
inline constexpr const char kNext[] = "次の児童 (Ctrl+PageDown)";
inline constexpr const char kPrevious[] = "前の児童 (Ctrl+PageUp)";
inline constexpr const char kRemarksLabel[] = "総合所見(&T)";
inline constexpr const char kMoralLabel[] = "特別の教科 道徳";
inline constexpr const char kIntegratedLabel[] = "総合的な学習の時間";
inline constexpr const char kForeignLabel[] = "外国語活動";
inline constexpr const char kAttendanceFrame[] = "出欠の記録";
inline constexpr const char kSchoolDays[] = "授業日数";
inline constexpr const char kExcusedLabel[] = "出席停止・忌引等の日数";
inline constexpr const char kAbsentLabel[] = "欠席日数";
inline constexpr const char kAttendanceNoteLabel[] = "備考";
inline constexpr const char kConductFrame[] = "行動の記録（○を付ける項目）";
inline constexpr const char kNotEntered[] = "未入力";
inline constexpr const char kPasteRemarks[] = "所見を貼り付け(&P)";
inline constexpr const char kImportRemarks[] = "文をファイルから読み込む(&I)...";
inline constexpr const char kClassSettings[] = "学級の設定(&C)...";
inline constexpr const char kRegister[] = "登録";
inline constexpr const char kCancel[] = "ｷｬﾝｾﾙ";
inline constexpr const char kListTable[] = "児童の一覧";
inline constexpr const char kNothingToPaste[] =
    "貼り付ける文がありません。表計算ソフトで所見の列を選んでコピーしてから貼り付けてください。";
inline constexpr const char kSeveralColumns[] =
    "コピーした範囲に複数の列があります。所見の列だけを選んでコピーしてください。";
inline constexpr const char kCannotReadFile[] = "所見のファイルを読み込めません。";
inline constexpr const char kPastePreview[] = "所見の貼り付け";
inline constexpr const char kImportPreview[] = "所見の読み込み";
inline constexpr const char kTake[] = "取り込む";
inline constexpr const char kNotInFileYet[] = "「登録」を押すまで成績ファイルには入りません。";
inline constexpr const char kSettingsCaption[] = "所見と出欠の学級の設定";

} // namespace miravel::notes_texts
