#pragma once
// Every caption, hint and message the main window shows, exactly as the
// teacher sees them (half-width kana and ideographic spaces included).

namespace miravel::texts {

// Window caption, program title and frames.
inline constexpr const char kWindowCaption[] = "Miravel Ver1.2.2";
inline constexpr const char kProgramTitle[] = "Miravel";
inline constexpr const char kFrame2Caption[] = "ﾂﾘｰﾋﾞｭｰ（学級・科目・学期・試験）";

// Menus.
inline constexpr const char kMenuFile[] = "ﾌｧｲﾙ(&F)";
inline constexpr const char kMenuFileNew[] = "新規作成(&N)";
inline constexpr const char kMenuFileOpen[] = "開く(&O)...";
inline constexpr const char kMenuFileClose[] = "閉じる(&C)";
inline constexpr const char kMenuFileSave[] = "上書き保存(&S)";
inline constexpr const char kMenuFileSaveAs[] = "名前を付けて保存(&A)...";
inline constexpr const char kMenuFileVersions[] = "以前の版を開く(&V)...";
inline constexpr const char kMenuCsvSaveAs[] = "画面の表をCSVで保存";
inline constexpr const char kMenuFileHandoff[] = "提出用に書き出す(&H)...";
inline constexpr const char kMenuFilePageSetup[] = "ﾍﾟｰｼﾞ設定(&U)...";
inline constexpr const char kMenuFilePrint[] = "画面の表を印刷(&P)...";
inline constexpr const char kMenuFilePrintSheets[] = "個人成績表を印刷(&I)...";
inline constexpr const char kMenuFileExit[] = "終了(&X)";
inline constexpr const char kMenuEdit[] = "編集(&E)";
inline constexpr const char kMenuEditProperty[] = "学級・科目・試験・得点の編集(&E)";
inline constexpr const char kMenuEditNameBook[] = "生徒名簿ﾌｧｲﾙの読み込み";
inline constexpr const char kMenuEditEvaluation[] = "評価の方法(&M)...";
inline constexpr const char kMenuEditRecords[] = "平常の記録(&R)...";
inline constexpr const char kMenuEditCheck[] = "入力の確認(&K)...";
// Undo and redo; with a step to take, "：" and the step's name follow.
inline constexpr const char kMenuEditUndo[] = "元に戻す";
inline constexpr const char kMenuEditRedo[] = "やり直し";
inline constexpr const char kStepNameSeparator[] = "：";
inline constexpr const char kMenuHelp[] = "ﾍﾙﾌﾟ(&H)";
inline constexpr const char kMenuHelpContents[] = "ヘルプ(&C)";

// Edit command captions set by the file commands and node clicks (menu, then toolbar button).
inline constexpr const char kEditClassMenu[] = "学級の編集(&E)";
inline constexpr const char kEditClassButton[] = " 学 級 の 編 集 ";
inline constexpr const char kEditSubjectMenu[] = "通年の評定基準の編集(&E)";
inline constexpr const char kEditSubjectButton[] = "通年の評定基準の編集 ";
inline constexpr const char kEditSemesterMenu[] = "学期毎の評定基準の編集(&E)";
inline constexpr const char kEditSemesterButton[] = "学期毎の評定基準の編集";
inline constexpr const char kEditTestMenu[] = "試験結果の編集(&E)";
inline constexpr const char kEditTestButton[] = "試 験 結 果 の 編 集";
inline constexpr const char kEditViewpointButton[] = "デ ー タ の 編 集";
inline constexpr const char kEditEvaluationMenu[] = "評価の方法の編集(&E)";
inline constexpr const char kEditEvaluationButton[] = " 評 価 の 方 法 ";
inline constexpr const char kEditRecordsMenu[] = "平常の記録の編集(&E)";
inline constexpr const char kEditRecordsButton[] = " 平 常 の 記 録 ";
inline constexpr const char kHintRecords[] = "ﾋﾝﾄ：ノート・発表などの平常の記録です。[平常の記録]で記録の列を加え、◎○△や点数を入力します。";
inline constexpr const char kHintEvaluation[] =
    "ﾋﾝﾄ：評価の一覧です。学期または通年を選ぶと各教科の観点の評価と評定を表示します。[評価の方法]で評価のしかたを選びます。[画面の表を印刷]で印刷します。";

// Toolbar: keys, captions (ideographic spaces included), tool tips.
inline constexpr const char kKeyNew[] = "新規作成";
inline constexpr const char kCaptionNew[] = "　　新　規　作　成　　";
inline constexpr const char kTipNew[] = "新規作成";
inline constexpr const char kKeyOpen[] = "開く";
inline constexpr const char kCaptionOpen[] = "ファイルを　開く　　　";
inline constexpr const char kTipOpen[] = "開く";
inline constexpr const char kKeySave[] = "上書き保存";
inline constexpr const char kCaptionSave[] = "　上　書　き　保　存　";
inline constexpr const char kTipSave[] = "上書き保存";
inline constexpr const char kKeyPrint[] = "印刷";
inline constexpr const char kCaptionPrint[] = "　画面の表を　印刷　　";
inline constexpr const char kTipPrint[] = "印刷";
inline constexpr const char kKeyEdit[] = "編集";
inline constexpr const char kCaptionEdit[] = "データの　編集　　　";
inline constexpr const char kTipEdit[] = "データの入力と編集";

// Status-bar hints.
inline constexpr const char kHintLoad[] = "ﾋﾝﾄ：最初から始めるときはﾌｧｲﾙﾒﾆｭｰの[新規作成]を、利用中のﾌｧｲﾙがあるときは[開く]をｸﾘｯｸしてください";
inline constexpr const char kHintNew[] = "ﾋﾝﾄ：最初に学級の設定をします。[学級の編集]をｸﾘｯｸしてください";
inline constexpr const char kHintClass[] = "ﾋﾝﾄ：学級のデータです。[学級の編集]で編集をします。[画面の表を印刷]で印刷します。";
inline constexpr const char kHintActivateClass[] = "ﾂﾘｰﾋﾞｭｰの項目を選択して参照します。[データの編集]で編集をします。[画面の表を印刷]で印刷します。";
inline constexpr const char kHintSubject[] = "ﾋﾝﾄ：通年の科目データです。[通年の評定基準の編集]で観点の名称と通年の評価基準の編集をします。[画面の表を印刷]で印刷します。";
inline constexpr const char kHintSemester[] = "ﾋﾝﾄ：学期の科目データです。[学期毎の評定基準の編集]で学期毎年の評価基準の編集をします。[画面の表を印刷]で印刷します。";
inline constexpr const char kHintTest[] = "ﾋﾝﾄ：試験のデータです。[試験結果の編集]で試験の名称・日付・観点の配点・生徒の得点を編集します。[画面の表を印刷]で印刷します。";
inline constexpr const char kHintViewpoint[] = "ﾋﾝﾄ：観点毎の試験のデータです。[画面の表を印刷]で印刷します。";

// Messages.
inline constexpr const char kAskSave[] = "ﾌｧｲﾙが保存していません。保存しますか？";
inline constexpr const char kNoHelp[] = "ﾍﾙﾌﾟの目次を表示できません。 このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。";
inline constexpr const char kPleaseOpenFile[] = "最初から始めるときはﾌｧｲﾙﾒﾆｭｰの[新規作成]を、利用中のﾌｧｲﾙがあるときは[開く]をｸﾘｯｸしてください。";
inline constexpr const char kNoStudentsYet[] = "学級の編集（生徒の登録）がまだです。[編集]－[学級の編集(E)]をしてください";

// Tree.
inline constexpr const char kRootNodeKey[] = "ROOTnode";
inline constexpr const char kRootNodeText[] = "ファイルを開いてください";
inline constexpr const char kClassNodeKey[] = "HomeRoom";
inline constexpr const char kNotRegisteredYet[] = "未登録です";

// Dialogs and the grid.
inline constexpr const char kOpenTitle[] = "開く";
inline constexpr const char kGradeBookFilter[] = "ﾃｷｽﾄﾌｧｲﾙ (*.txt)|*.txt";
// Open also offers every file: a book saved under a name without ".txt" can be found again.
inline constexpr const char kOpenFilter[] = "ﾃｷｽﾄﾌｧｲﾙ (*.txt)|*.txt|パスワード付き成績ファイル (*.mrvl)|*.mrvl|すべてのファイル (*)|*";
inline constexpr const char kSaveAsTitle[] = "名前をつけて保存する";
inline constexpr const char kCsvFilter[] = "ﾃｷｽﾄﾌｧｲﾙ (*.csv)|*.csv";
// A roster comes as CSV, TSV or plain text from the school's system.
inline constexpr const char kRosterFilter[] =
    "名簿ファイル (*.csv *.tsv *.txt)|*.csv;*.tsv;*.txt|CSVファイル (*.csv)|*.csv|TSVファイル (*.tsv)|*.tsv|"
    "ﾃｷｽﾄﾌｧｲﾙ (*.txt)|*.txt|すべてのファイル (*)|*";
// Tables from spreadsheets and web forms: CSV first, then TSV and text.
inline constexpr const char kTableFilter[] = "ﾃｷｽﾄﾌｧｲﾙ (*.csv)|*.csv|タブ区切りのﾌｧｲﾙ (*.tsv *.txt)|*.tsv;*.txt|すべてのファイル (*)|*";
inline constexpr const char kPageSetupTitle[] = "ﾍﾟｰｼﾞ設定";
inline constexpr const char kStudentNameHeading[] = "生徒氏名";

// Per-user settings.
inline constexpr const char kSettingsApplication[] = "Miravel";
inline constexpr const char kSettingsSection[] = "Settings";
inline constexpr const char kSettingLeft[] = "MainLeft";
inline constexpr const char kSettingTop[] = "MainTop";
inline constexpr const char kSettingWidth[] = "MainWidth";
inline constexpr const char kSettingHeight[] = "MainHeight";
// Where the teacher dragged the divider between tree and table, twips.
inline constexpr const char kSettingTreeWidth[] = "TreeFrameWidth";

// Failures the window reports in words of its own.
inline constexpr const char kNotAGradeBook[] = "成績ファイルとして読み込めません。";
inline constexpr const char kCannotSave[] = "ファイルを保存できません。";
inline constexpr const char kCannotSaveCsv[] = "CSVファイルを保存できません。";
inline constexpr const char kBackupMissing[] = "注意：前の内容のバックアップ（.bak）を作れませんでした。ファイルは保存しました。";
inline constexpr const char kCannotReadNameBook[] = "生徒名簿ﾌｧｲﾙを読み込めません。";
// Followed by the number of names left out and kTooManyNamesEnd.
inline constexpr const char kTooManyNames[] = "生徒名簿ﾌｧｲﾙに40名を超える名前があります。先頭の40名を読み込みました。読み込まなかった名前は";
inline constexpr const char kTooManyNamesEnd[] = "名です。";
// The roster import while the roster has names.
inline constexpr const char kNameBookFillsGaps[] = "名簿に名前があるときは、空いている出席番号にだけ読み込みます";
// Followed by the number of names, then the encoding read.
inline constexpr const char kNameBookRead[] = "名簿を読み込みました：";

// Saving onto the open book or its backup would lose it.
inline constexpr const char kCsvOntoBook[] = "開いている成績ファイルには画面の表を保存できません。別のファイル名を指定してください。";
inline constexpr const char kCsvOntoBackup[] = "開いている成績ファイルのバックアップには画面の表を保存できません。別のファイル名を指定してください。";
inline constexpr const char kSaveOntoBackup[] = "開いている成績ファイルのバックアップには保存できません。別のファイル名を指定してください。";

// Recovery copy of unsaved work. kOfferRecovery takes the file and the time.
inline constexpr const char kOfferRecovery[] = "前回、保存されずに終了した変更があります（%1、%2）。復元しますか？";
inline constexpr const char kNeverSavedBook[] = "新規作成した成績ファイル";
inline constexpr const char kCannotWriteRecovery[] = "復元用のコピーを保存できません。編集はそのまま続けられます。";
inline constexpr const char kCannotReadCompanion[] =
    "評価の設定ファイルを読み込めません。既定の設定（相対評価・3学期制）で開きます。次に保存するとき、読み込めなかった設定ファイルは名前の最後に「.bak」を付けて残します。";
// A book named x.miravel: its settings name is its own.
inline constexpr const char kNamedAsSettingsFile[] =
    "この成績ファイルの名前（.miravel）は評価の設定ファイルの名前のため、評価の設定は既定（相対評価・3学期制）で開きます。[名前を付けて保存]で .txt の名前を付けると、設定もその名前で保存されます。";
inline constexpr const char kCannotReadRecovery[] = "復元用のコピーを読み込めません。コピーはそのまま残してあります。";
inline constexpr const char kCannotKeepRecovery[] = "復元用のコピーの名前を変えられません。コピーはそのまま残してあります。";
// Added to kOfferRecovery when later copies could not be written; takes HH:MM.
inline constexpr const char kRecoveryBehind[] = "\n注意：このコピーは「%1」のもので、それより後の変更は含まれていません。";

// One book, one window; a book changed behind the program's back.
inline constexpr const char kOpenedElsewhere[] = "このファイルは別のMiravelで開かれています。読み取り専用で開きますか？";
inline constexpr const char kReadOnlyCaption[] = "（読み取り専用）";
inline constexpr const char kSaveOntoOpenedElsewhere[] = "このファイルは別のMiravelで開かれているため保存できません。別のファイル名を指定してください。";
inline constexpr const char kChangedOnDisk[] = "ファイルは他のプログラムで変更されています。上書きしますか？";
// A lock another computer left; takes the computer's name and the lock's time.
inline constexpr const char kOpenedOnAnotherComputer[] =
    "このファイルは別のコンピューター（%1）のMiravelで開かれています（%2から）。\n"
    "そのコンピューターで開いたままなら、読み取り専用で開いてください。";
inline constexpr const char kUnlockWarning[] =
    "ロックを解除すると、%1 で開いている内容を保存したときに、どちらかの変更が失われます。"
    "%1 でこのファイルが閉じられていることを確かめてから解除してください。ロックを解除して開きますか？";
inline constexpr const char kCannotUnlock[] = "ロックを解除できませんでした。読み取り専用で開くか、%1 でファイルを閉じてください。";
// A book whose name belongs to a settings file or a backup.
inline constexpr const char kSaveOnlyAs[] =
    "このファイルは評価の設定ファイルまたはバックアップの名前のため、上書き保存できません。[名前を付けて保存]で .txt の名前を付けてください。";
inline constexpr const char kHintPrefix[] = "ﾋﾝﾄ：";
inline constexpr const char kSaveAsNotThatName[] =
    "「.miravel」（評価の設定ファイル）や「.bak」（バックアップ）の名前では成績ファイルを保存できません。別のファイル名（.txt）を指定してください。";
// The book was written, its settings file was not.
inline constexpr const char kSettingsNotSaved[] =
    "成績ファイルは保存しましたが、評価の設定ファイルは保存できませんでした。"
    "評価の設定は復元用のコピーに残してあります。原因を取り除いてもう一度保存するか、名前を付けて保存してください。";
// Followed by the kept file's path.
inline constexpr const char kDamagedSettingsKept[] = "読み込めなかった評価の設定ファイルを次の名前で残しました: ";

// Saved versions of the book.
inline constexpr const char kVersionsTitle[] = "以前の版を開く";
inline constexpr const char kVersionsNote[] = "保存のたびに、保存で置き換えた内容を版として残しています（新しい順に30版まで）。"
                                              "開いた版は名前のない新しい成績ファイルになり、元のファイルは変わりません。";
inline constexpr const char kVersionsList[] = "版の一覧";
inline constexpr const char kVersionColumnTime[] = "この版を保存した日時";
inline constexpr const char kVersionColumnDescription[] = "この版までの変更";
inline constexpr const char kVersionColumnStudents[] = "生徒数";
inline constexpr const char kVersionColumnTests[] = "試験の数";
inline constexpr const char kVersionOpen[] = "開く(&O)";
inline constexpr const char kVersionCancel[] = "ｷｬﾝｾﾙ";
inline constexpr const char kVersionUnreadable[] = "（読み込めません）";
inline constexpr const char kNoVersions[] = "この成績ファイルには以前の版がまだありません。版は保存のたびに作られます。";
inline constexpr const char kCannotReadVersion[] = "以前の版を読み込めません。";
inline constexpr const char kCannotKeepVersion[] = "注意：以前の版を残せませんでした。ファイルは保存しました。";
inline constexpr const char kVersionDeleteAll[] = "以前の版をすべて削除(&D)";
inline constexpr const char kAskDeleteVersions[] =
    "この成績ファイルの以前の版をすべて削除します。削除した版は元に戻せません。成績ファイルそのものは変わりません。削除しますか？";
inline constexpr const char kVersionsDeleted[] = "以前の版をすべて削除しました。";
inline constexpr const char kCannotDeleteVersions[] = "以前の版を削除できませんでした。";

} // namespace miravel::texts
