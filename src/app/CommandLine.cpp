#include "app/CommandLine.h"

#include "app/GradeSummaryCommand.h"
#include "app/HandoffCommand.h"
#include "core/Defaults.h"
#include "core/TextRules.h"
#include "core/EvaluationRules.h"
#include "file/BookSave.h"
#include "file/CompanionFile.h"
#include "file/CsvExport.h"
#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "file/SafeWrite.h"
#include "file/SavedVersions.h"
#include "file/SameFile.h"
#include "file/TerminalPassword.h"
#include "mainwindow/MainWindowTexts.h"
#include "grades/LetterChecks.h"
#include "grades/GridBase.h"
#include "grades/TreeNodes.h"

#include <memory>

namespace miravel {

const char* const kUsage =
    "使い方: miravel [成績ファイル]\n"
    "        miravel --check 成績ファイル\n"
    "        miravel --check-grades 成績ファイル\n"
    "        miravel --export-csv 出力.csv --view 表 成績ファイル\n"
    "        miravel --print-pdf 出力.pdf --view 表 成績ファイル\n"
    "        miravel --export-handoff 出力.csv --profile 書式 --period M 成績ファイル [--force]\n"
    "        miravel --grade-summary 出力.csv --period M 成績ファイル...\n"
    "        miravel --versions 成績ファイル\n"
    "        miravel --protect 出力.mrvl 成績ファイル\n"
    "        miravel --unprotect 出力.txt 成績ファイル.mrvl\n"
    "\n"
    "  成績ファイル            起動時に開くファイル\n"
    "  --check FILE            FILE を成績ファイルとして読み、学級の見出しを表示する\n"
    "  --check-grades FILE     入力の確認: 得点のない生徒、配点の誤りなどを一行ずつ表示する\n"
    "                          （見つかれば終了コード 1）\n"
    "  --export-csv OUT        画面を使わずに、表を CSV ファイル OUT に保存する\n"
    "  --export-handoff OUT    評価と評定を校務支援システムへの提出用ファイル OUT に書き出す\n"
    "                          （--profile で書式ファイル、--period で期間 M: 1〜3 が学期、4 が通年）\n"
    "                          確認で問題が見つかれば書き出さない（--force で書き出す）\n"
    "  --grade-summary OUT     学年の集計: 成績ファイルの学級ごとの A・B・C・評価なしと評定の人数を\n"
    "                          CSV ファイル OUT に書き出す（--period で期間 M、生徒の名前は書かない）\n"
    "                          --password-stdin では、パスワード付きの成績ファイルのパスワードを\n"
    "                          標準入力から一行ずつ、ファイルの順に読む\n"
    "  --print-pdf OUT         画面を使わずに、印刷する表を PDF ファイル OUT に保存する\n"
    "  --versions FILE         FILE の以前の版を新しい順に一行ずつ表示する（版を保存した日時、バイト数、その版までの変更）\n"
    "  --protect OUT           FILE とその設定ファイルを、パスワード付きの一つのファイル OUT にする\n"
    "  --unprotect OUT         パスワード付きの FILE を、パスワードのない OUT と OUT の設定ファイルに戻す\n"
    "  --password-stdin        パスワードを端末で尋ねずに、標準入力の最初の行から読む\n"
    "                          （パスワード付きの成績ファイルは、どのコマンドでも読める）\n"
    "  --view VIEW             保存する表（ツリーの項目、番号は 1 から数える）:\n"
    "                            class                 学級（名簿）\n"
    "                            subject:S             科目 S の通年\n"
    "                            semester:S,M          科目 S の M 学期\n"
    "                            test:S,M,T            科目 S、M 学期の T 回目の試験\n"
    "                            viewpoint:S,M,T,V     その試験の観点 V\n"
    "                            evaluations:M         評価の一覧（M は 1〜3 が学期、4 が通年）\n"
    "                            graphs:S              科目 S の通年の集計グラフ（--print-pdf のみ）\n"
    "                            graphs:S,M            科目 S の M 学期の集計グラフ（--print-pdf のみ）\n"
    "                            student:N[,P]         出席番号 N の個人成績表（--print-pdf のみ）\n"
    "                            students[:P]          全員の個人成績表、一人一ページ（--print-pdf のみ）\n"
    "                                                  P までの成績（1〜3 が学期、4 が通年。省略すると\n"
    "                                                  記録のある最後の学期、最後の学期なら通年）\n"
    "  --help                  この説明を表示する\n";

const char* const kNoDisplay =
    "画面（ディスプレイ）が見つからないため、ウィンドウを開けません。"
    "--check と --export-csv は画面なしで使えます。\n";

bool DisplayAvailable(const char* qtPlatform, const char* x11Display, const char* waylandDisplay)
{
    auto named = [](const char* value) { return value && *value; };
    return named(qtPlatform) || named(x11Display) || named(waylandDisplay);
}

CommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLine command;
    auto fail = [&command](const std::string& error) {
        command.action = CommandLine::Action::Error;
        command.error = error;
        return command;
    };
    std::vector<std::string> files;
    // One action per run: a second one would be silently dropped.
    std::string firstAction;
    auto choose = [&](CommandLine::Action action, const std::string& option) {
        if (!firstAction.empty()) {
            command.error = firstAction == option ? option + " は一度だけ指定してください。"
                                                  : firstAction + " と " + option + " は一緒に使えません。";
            return false;
        }
        firstAction = option;
        command.action = action;
        return true;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= args.size())
                return false;
            target = args[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            command.action = CommandLine::Action::Help;
            return command;
        } else if (arg == "--check") {
            if (!choose(CommandLine::Action::Check, arg))
                return fail(command.error);
        } else if (arg == "--check-grades") {
            if (!choose(CommandLine::Action::CheckGrades, arg))
                return fail(command.error);
        } else if (arg == "--export-csv") {
            if (!choose(CommandLine::Action::ExportCsv, arg))
                return fail(command.error);
            if (!value(command.output))
                return fail("--export-csv の後に出力ファイルを指定してください。");
        } else if (arg == "--print-pdf") {
            if (!choose(CommandLine::Action::PrintPdf, arg))
                return fail(command.error);
            if (!value(command.output))
                return fail("--print-pdf の後に出力ファイルを指定してください。");
        } else if (arg == "--export-handoff" || arg == "--profile" || arg == "--period" || arg == "--force") {
            if (arg == "--export-handoff" && !choose(CommandLine::Action::ExportHandoff, arg))
                return fail(command.error);
            if (std::string error = ReadHandoffOption(args, i, command); !error.empty())
                return fail(error);
        } else if (arg == "--grade-summary") {
            if (!choose(CommandLine::Action::GradeSummary, arg))
                return fail(command.error);
            if (!value(command.output))
                return fail("--grade-summary の後に出力ファイルを指定してください。");
        } else if (arg == "--versions") {
            if (!choose(CommandLine::Action::Versions, arg))
                return fail(command.error);
        } else if (arg == "--protect" || arg == "--unprotect") {
            if (!choose(arg == "--protect" ? CommandLine::Action::Protect : CommandLine::Action::Unprotect, arg))
                return fail(command.error);
            if (!value(command.output))
                return fail(arg + " の後に出力ファイルを指定してください。");
        } else if (arg == "--password-stdin") {
            command.passwordStdin = true;
        } else if (arg.rfind("--password", 0) == 0) {
            // Arguments are seen by every user of the machine.
            return fail("パスワードはコマンドラインには書けません。端末で入力するか、--password-stdin を使ってください。");
        } else if (arg == "--view") {
            if (!command.view.empty())
                return fail("--view は一度だけ指定してください。");
            if (!value(command.view))
                return fail("--view の後に表を指定してください。");
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail("不明なオプションです: " + arg);
        } else {
            files.push_back(arg);
        }
    }
    if (command.action == CommandLine::Action::GradeSummary) {
        command.books = files;
        if (std::string error = GradeSummaryOptionsError(command); !error.empty())
            return fail(error);
        return command;
    }
    if (files.size() > 1)
        return fail("ファイルは一つだけ指定してください。");
    if (!files.empty())
        command.file = files.front();
    if (command.action == CommandLine::Action::Window && !command.view.empty())
        return fail("--view は --export-csv か --print-pdf と一緒に使います。");
    if (command.action != CommandLine::Action::Window && command.file.empty())
        return fail("成績ファイルを指定してください。");
    const bool writesTable =
        command.action == CommandLine::Action::ExportCsv || command.action == CommandLine::Action::PrintPdf;
    if (writesTable && command.view.empty())
        return fail("--view で保存する表を指定してください。");
    if (std::string error = HandoffOptionsError(command); !error.empty())
        return fail(error);
    if (command.action == CommandLine::Action::ExportCsv && command.view.rfind("graphs", 0) == 0)
        return fail("グラフのページは PDF にだけ保存できます（--print-pdf を使ってください）。");
    return command;
}

namespace {

// A view named as a teacher counts (from 1): "semester:2,1" is the first
// semester of the second subject. Gives the tree key of that node.
bool nodeKeyOf(const std::string& view, std::string& key, std::string& error)
{
    const auto colon = view.find(':');
    const std::string kind = view.substr(0, colon);
    static const std::pair<const char*, std::pair<char, int>> kinds[] = {
        {"subject", {'0', 1}}, {"semester", {'1', 2}}, {"test", {'2', 3}}, {"viewpoint", {'3', 4}}};
    if (view == "class") {
        key = texts::kClassNodeKey;
        return true;
    }
    if (kind == "evaluations") {
        const std::string number = colon == std::string::npos ? std::string() : view.substr(colon + 1);
        if (number.size() != 1 || number[0] < '1' || number[0] > '4') {
            error = "表 " + view + " の番号が正しくありません（1から3は学期、4は通年）。";
            return false;
        }
        key = EvaluationNodeKey(number[0] - '1');
        return true;
    }
    const int limits[] = {kSubjects, kSemesters, kTests, kViewpoints};
    for (const auto& [name, shape] : kinds) {
        if (kind != name)
            continue;
        if (colon == std::string::npos) {
            error = "表 " + view + " には番号が必要です。";
            return false;
        }
        // Every item between commas counts, an empty last one included
        // ("semester:1,1," is refused).
        const std::string numbers = view.substr(colon + 1);
        key = std::string(1, shape.first);
        int count = 0;
        for (std::size_t start = 0; start <= numbers.size();) {
            std::size_t end = numbers.find(',', start);
            if (end == std::string::npos)
                end = numbers.size();
            const std::string item = numbers.substr(start, end - start);
            start = end + 1;
            if (count == shape.second) {
                error = "表 " + view + " には番号が" + std::to_string(shape.second) + "つ必要です。";
                return false;
            }
            if (item.empty() || item.find_first_not_of("0123456789") != std::string::npos ||
                item.size() > 2 || std::stoi(item) < 1 || std::stoi(item) > limits[count]) {
                error = "表 " + view + " の番号が正しくありません（" + std::to_string(count + 1) + "番目は1から" +
                        std::to_string(limits[std::min(count, 3)]) + "まで）。";
                return false;
            }
            key += Str(std::stoi(item) - 1);
            ++count;
        }
        if (count != shape.second) {
            error = "表 " + view + " には番号が" + std::to_string(shape.second) + "つ必要です。";
            return false;
        }
        return true;
    }
    error = "不明な表です: " + view +
            "（class, subject:S, semester:S,M, test:S,M,T, viewpoint:S,M,T,V, evaluations:M）";
    return false;
}

// The password for `path`: the first line of standard input (read once per
// run), or typed at the terminal.
bool readPassword(const CommandLine& command, const std::string& prompt, std::string& password, std::string& err)
{
    static bool stdinTaken = false;
    if (command.passwordStdin) {
        if (stdinTaken || !ReadPasswordLine(stdin, password)) {
            err += "標準入力からパスワードを読めません。\n";
            return false;
        }
        stdinTaken = true;
        return true;
    }
    if (!ReadPasswordFromTerminal(prompt, password)) {
        err += "パスワードを尋ねる端末がありません。--password-stdin を使ってください。\n";
        return false;
    }
    return true;
}

// A protected book: three tries at the terminal, one from standard input.
bool openProtectedBook(const CommandLine& command, const std::string& path, GradeBook& book,
                       std::unique_ptr<BookKey>& key, std::string& err)
{
    for (int attempt = 0; attempt < (command.passwordStdin ? 1 : 3); ++attempt) {
        std::string password;
        if (!readPassword(command, path + " のパスワード: ", password, err))
            return false;
        const FileResult error = ReadProtectedBook(path, password, book, key);
        WipePassword(password);
        if (!error)
            return true;
        err += std::string(IsWrongPassword(error) ? "" : texts::kNotAGradeBook + path + ": ") + error->Message() + "\n";
        if (!IsWrongPassword(error))
            return false;
    }
    return false;
}

// Opens the file the way the window's Open does; `settingsDamaged`, when
// given, tells whether the settings file could not be read.
bool openBook(const CommandLine& command, const std::string& path, GradeBook& book, std::string& err,
              std::unique_ptr<BookKey>* keptKey = nullptr, bool* settingsDamaged = nullptr)
{
    InitDefaults(book);
    if (IsProtectedBookFile(path)) {
        std::unique_ptr<BookKey> key;
        if (!openProtectedBook(command, path, book, key, err))
            return false;
        if (keptKey)
            *keptKey = std::move(key);
        return true;
    }
    if (auto error = ReadGradeBook(path, book)) {
        err += std::string(texts::kNotAGradeBook) + path + ": " + error->Message() + "\n";
        return false;
    }
    if (IsSettingsFileName(path))
        err += std::string("注意: ") + texts::kNamedAsSettingsFile + "\n";
    // A damaged companion is said and the book goes on with the defaults.
    const FileResult error = ReadCompanion(path, book.Evaluation);
    if (error)
        err += std::string(texts::kCannotReadCompanion) + " " + CompanionPath(path) + ": " + error->Message() + "\n";
    if (settingsDamaged)
        *settingsDamaged = error.has_value();
    return true;
}

// What clicking the node `key` right after opening the file would show.
bool drawView(GradeBook& book, const std::string& key, TablePane& pane, std::string& err)
{
    MSFlexGrid1_init(book, pane.Grid);
    pane.Caption = CaptionLine(book);
    book.CurrentNodeKey = key;
    if (key == texts::kClassNodeKey) {
        ShowRosterView(book, pane);
        return true;
    }
    if (book.CountEnrolledStudents() == 0) {
        err += std::string(texts::kNoStudentsYet) + "\n";
        return false;
    }
    const int period = EvaluationPeriodOf(key);
    if (period >= ShownSemesters(book) && period < kYearRoundPeriod) {
        err += "この学級は2学期制です。評価の一覧は evaluations:1、evaluations:2、evaluations:4 です。\n";
        return false;
    }
    ShowNodeView(book, pane, SelectNodeIndexes(book, key));
    return true;
}

// The lines of the check list, or "問題はありません"; 1 when anything was found.
int CheckGradesCommand(const CommandLine& command, GradeBook& book, std::string& out, std::string& err)
{
    if (!openBook(command, command.file, book, err))
        return 1;
    const std::vector<GradeFinding> findings = CheckGrades(book);
    for (const GradeFinding& finding : findings)
        out += finding.text + "\n";
    if (findings.empty())
        out += std::string(kNoProblemsFound) + "\n";
    return findings.empty() ? 0 : 1;
}

// A new password: twice at the terminal, once from standard input.
bool readNewPassword(const CommandLine& command, std::string& password, std::string& err)
{
    if (!readPassword(command, "新しいパスワード: ", password, err))
        return false;
    // Standard input gives it once; the terminal asks twice.
    std::string again = password;
    if (!command.passwordStdin && !readPassword(command, "もう一度: ", again, err))
        return false;
    const std::string problem = NewPasswordProblem(password, again);
    WipePassword(again);
    if (!problem.empty())
        err += problem + "\n";
    return problem.empty();
}

// --protect: the book and its settings into one protected file;
// --unprotect: a protected book back to a plain one and its settings file.
int ProtectionCommand(const CommandLine& command, std::string& err)
{
    const bool protect = command.action == CommandLine::Action::Protect;
    if (IsProtectedBookFile(command.file) == protect) {
        err += command.file + (protect ? " にはすでにパスワードがかかっています。\n" : " にはパスワードがかかっていません。\n");
        return 1;
    }
    // Its settings file would be the book itself.
    if (IsSettingsFileName(command.output)) {
        err += "出力ファイル " + command.output + " の名前（.miravel）は評価の設定ファイルの名前です。別の名前（.txt）を指定してください。\n";
        return 1;
    }
    auto book = std::make_unique<GradeBook>();
    if (!openBook(command, command.file, *book, err))
        return 1;
    SaveReport report;
    FileResult error;
    if (protect) {
        std::string password;
        if (!readNewPassword(command, password, err))
            return 1;
        const auto key = BookKey::Create(password, DefaultKdfCost(), error);
        WipePassword(password);
        if (key)
            error = WriteProtectedBook(command.output, *book, *key, report);
    } else if (!(error = WriteGradeBook(command.output, *book, report))) {
        error = WriteCompanion(command.output, book->Evaluation);
    }
    if (error) {
        err += "保存できません。" + command.output + ": " + error->Message() + "\n";
        return 1;
    }
    err += BackupMissingNote(command.output, report.BackupMissing());
    return 0;
}

} // namespace

bool RefuseOutputOntoBook(const CommandLine& command, std::string& err)
{
    if (!WouldOverwriteBook(command.output, command.file))
        return false;
    err += "出力ファイル " + command.output + " は成績ファイル（またはそのバックアップ）と同じファイルです。"
           "別の名前を指定してください。\n";
    return true;
}

bool OpenCommandBook(const CommandLine& command, GradeBook& book, std::string& err)
{
    return openBook(command, command.file, book, err);
}

bool DrawCommandView(const CommandLine& command, GradeBook& book, TablePane& pane, std::string& err)
{
    if (!openBook(command, command.file, book, err))
        return false;
    std::string key, error;
    if (!nodeKeyOf(command.view, key, error)) {
        err += error + "\n";
        return false;
    }
    return drawView(book, key, pane, err);
}

int RunHeadless(const CommandLine& command, std::string& out, std::string& err)
{
    switch (command.action) {
    case CommandLine::Action::Help:
        out += kUsage;
        return 0;
    case CommandLine::Action::Error:
        err += command.error + "\n" + kUsage;
        return 1;
    case CommandLine::Action::Window:
        return 0;
    case CommandLine::Action::PrintPdf:
        err += "--print-pdf はこの経路では実行できません。\n";  // main runs it through RunPrintPdf
        return 1;
    case CommandLine::Action::Versions:
        if (command.dataFolder.empty()) {
            err += "以前の版を保存するフォルダーがありません。\n";
            return 1;
        }
        out += VersionLines(ListVersions(VersionFolderOf(VersionsRoot(command.dataFolder), command.file)));
        return 0;
    case CommandLine::Action::ExportHandoff:
        return ExportHandoffCommand(command, out, err);
    case CommandLine::Action::GradeSummary:
        return GradeSummaryCommand(command, out, err);
    case CommandLine::Action::Protect:
    case CommandLine::Action::Unprotect:
        return RefuseOutputOntoBook(command, err) ? 1 : ProtectionCommand(command, err);
    case CommandLine::Action::Check:
    case CommandLine::Action::CheckGrades:
    case CommandLine::Action::ExportCsv:
        break;
    }
    if (command.action == CommandLine::Action::ExportCsv && RefuseOutputOntoBook(command, err))
        return 1;
    auto book = std::make_unique<GradeBook>();
    if (command.action == CommandLine::Action::Check) {
        bool settingsDamaged = false;
        if (!openBook(command, command.file, *book, err, nullptr, &settingsDamaged))
            return 1;
        // The book reads, but a check that passes over lost settings would mislead.
        if (settingsDamaged)
            return 1;
        out += "OK: " + CaptionLine(*book) + "\n";
        return 0;
    }
    if (command.action == CommandLine::Action::CheckGrades)
        return CheckGradesCommand(command, *book, out, err);
    auto pane = std::make_unique<TablePane>();
    if (!DrawCommandView(command, *book, *pane, err))
        return 1;
    SaveReport report;
    if (auto writeError = WriteGridCsv(command.output, pane->Grid, report)) {
        err += "CSVファイルに保存できません。" + command.output + ": " + writeError->Message() + "\n";
        return 1;
    }
    err += BackupMissingNote(command.output, report.BackupMissing());
    return 0;
}

std::string BackupMissingNote(const std::string& output, bool backupMissing)
{
    if (!backupMissing)
        return {};
    return "注意: バックアップ " + ExportBackupPath(FinalTarget(output)) + " を作れませんでした。" + output + " は保存しました。\n";
}

} // namespace miravel
