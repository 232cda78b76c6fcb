#pragma once
// Every caption and message of the test editor, exactly as the teacher sees
// them (half-width kana and punctuation, trailing blanks included).

namespace miravel::testspec_texts {

inline constexpr const char kWindowCaption[] = "試験結果の編集";
inline constexpr const char kTitleLabel[] = "試験の名称";
inline constexpr const char kDateLabel[] = "試験の実施日";
inline constexpr const char kViewpointsLabel[] = "観点の選択と配点";
inline constexpr const char kEntryFrame[] = "それぞれの生徒の得点を入力します";
inline constexpr const char kNumberLabel[] = "出席番号";
inline constexpr const char kNameLabel[] = "生徒の氏名";
inline constexpr const char kTabHint[] = "[TAB]";
inline constexpr const char kEnterHint[] = "[Enter]";
inline constexpr const char kNext[] = "次の出席番号に";
inline constexpr const char kPrevious[] = "前の出席番号に";
inline constexpr const char kAbsentButton[] = "欠席";
inline constexpr const char kRegister[] = "登録";
inline constexpr const char kCancel[] = "ｷｬﾝｾﾙ";
inline constexpr const char kImportScores[] = "得点の読み込み(&I)...";
inline constexpr const char kPaste[] = "貼り付け(&P)";
inline constexpr const char kCannotReadScores[] = "得点のファイルを読み込めません。";
inline constexpr const char kScoresTaken[] = "人の得点を取り込みました。";
inline constexpr const char kNotInFileYet[] = "「登録」を押すまで成績ファイルには入りません。";
inline constexpr const char kScoreTable[] = "得点表";
inline constexpr const char kScoreSuffix[] = "の得点";
inline constexpr const char kFullMarksSuffix[] = "の配点";

// Score table.
inline constexpr const char kNumberHeader[] = "No.";
inline constexpr const char kNameHeader[] = "生徒氏名";
inline constexpr const char kTotalHeader[] = "合計点";
inline constexpr const char kRankHeader[] = "順位";
inline constexpr const char kClassAverage[] = "クラスの平均点";

// The score check.
inline constexpr const char kNotDigits[] = "得点に数字以外の文字があります。";
inline constexpr const char kAboveFullMarks[] = "得点が配点を超えています｡ ";
inline constexpr const char kAbove100[] = "得点が100点を超えています｡ ";

// A score file's rows of one student, and the students without a row.
inline constexpr const char kNewerRow[] = "同じ児童のより新しい提出があります";
inline constexpr const char kOtherPicked[] = "同じ児童の別の行を選んでいます";
inline constexpr const char kUnreadableStamp[] = "提出時刻を読めない行があります。取り込む行を選んでください";
inline constexpr const char kPickOne[] = "同じ児童の行が複数あります。取り込む行を選んでください";
inline constexpr const char kWithoutRows[] = "提出のない児童：";

// Registration.
inline constexpr const char kFullMarksOutOfRange[] = "配点は1から32767までの数で入力してください。";
inline constexpr const char kAskFullMarks[] = "の配点が入力されていません。100点として登録しますか？";
inline constexpr const char kAssumedFullMarks[] = "100";
inline constexpr const char kNumberPrefix[] = "出席番号 ";
inline constexpr const char kBlankSuffix[] = "が空欄です。";
inline constexpr const char kRegisterAnyway[] = "このまま登録しますか？";
inline constexpr const char kTitleUnstorable[] = "試験の名称に、ファイルに保存できない文字「%1」があります。別の文字に直してください。";
inline constexpr const char kDateUnstorable[] = "試験の実施日に、ファイルに保存できない文字「%1」があります。別の文字に直してください。";

} // namespace miravel::testspec_texts
