#include "app/GradeSummaryCommand.h"

#include "core/EvaluationRules.h"
#include "file/CompanionFile.h"
#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "file/SafeWrite.h"
#include "file/SameFile.h"
#include "file/TerminalPassword.h"
#include "grades/GradeSummary.h"
#include "grades/SummaryTexts.h"
#include "mainwindow/MainWindowTexts.h"

#include <filesystem>
#include <memory>

namespace miravel {

namespace {

std::string FileName(const std::string& path) { return std::filesystem::u8path(path).filename().u8string(); }

// A protected book: its password line from standard input, or three tries
// at the terminal.
bool ReadProtected(const CommandLine& command, const std::string& path, GradeBook& book, std::string& err)
{
    for (int attempt = 0; attempt < (command.passwordStdin ? 1 : 3); ++attempt) {
        std::string password;
        const bool given = command.passwordStdin ? ReadPasswordLine(stdin, password)
                                                 : ReadPasswordFromTerminal(path + " のパスワード: ", password);
        if (!given) {
            err += path + (command.passwordStdin ? ": 標準入力にこのファイルのパスワードの行がありません。\n"
                                                 : ": パスワードを尋ねる端末がありません。--password-stdin を使ってください。\n");
            return false;
        }
        std::unique_ptr<BookKey> key;
        const FileResult error = ReadProtectedBook(path, password, book, key);
        WipePassword(password);
        if (!error)
            return true;
        err += path + ": " + (IsWrongPassword(error) ? std::string() : texts::kNotAGradeBook) + error->Message() + "\n";
        if (!IsWrongPassword(error))
            return false;
    }
    return false;
}

bool ReadBook(const CommandLine& command, const std::string& path, GradeBook& book, std::string& err)
{
    if (IsProtectedBookFile(path))
        return ReadProtected(command, path, book, err);
    if (FileResult error = ReadGradeBook(path, book)) {
        err += std::string(texts::kNotAGradeBook) + path + ": " + error->Message() + "\n";
        return false;
    }
    // As Open does: a damaged settings file is said and the defaults go on.
    if (FileResult error = ReadCompanion(path, book.Evaluation))
        err += std::string(texts::kCannotReadCompanion) + " " + CompanionPath(path) + ": " + error->Message() + "\n";
    return true;
}

} // namespace

std::string GradeSummaryOptionsError(const CommandLine& command)
{
    if (!command.view.empty())
        return "--grade-summary には --view ではなく --period で期間を指定します。";
    if (command.period.size() != 1 || command.period[0] < '1' || command.period[0] > '4')
        return "--period は 1 から 3（学期）か 4（通年）です。";
    if (!command.profile.empty() || command.force)
        return "--profile と --force は --export-handoff と一緒に使います。";
    if (command.books.empty())
        return "集計する成績ファイルを指定してください。";
    return {};
}

int GradeSummaryCommand(const CommandLine& command, std::string& /*out*/, std::string& err)
{
    for (const std::string& path : command.books)
        if (WouldOverwriteBook(command.output, path)) {
            err += "出力ファイル " + command.output + " は成績ファイル " + path +
                   "（またはそのバックアップ）と同じファイルです。別の名前を指定してください。\n";
            return 1;
        }
    // A book given twice would count its class twice.
    for (std::size_t i = 0; i < command.books.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            if (SameFile(command.books[i], command.books[j])) {
                err += command.books[i] + " は二度指定されています。成績ファイルは一度ずつ指定してください。\n";
                return 1;
            }
    std::vector<std::unique_ptr<GradeBook>> read;
    std::vector<SummaryBook> books;
    for (const std::string& path : command.books) {
        read.push_back(std::make_unique<GradeBook>());
        if (!ReadBook(command, path, *read.back(), err)) {
            err += "学年の集計を書き出しませんでした。\n";
            return 1;
        }
        books.push_back({FileName(path), read.back().get()});
    }
    const int period = command.period[0] == '4' ? kYearRoundPeriod : command.period[0] - '1';
    if (const std::string problem = PeriodProblem(books, period); !problem.empty()) {
        err += problem + "\n";
        return 1;
    }
    SaveReport report;
    if (FileResult error = WriteExportWithBackup(command.output, SummaryCsv(SummarizeGrade(books, period)), report)) {
        err += "学年の集計を書けません。" + command.output + ": " + error->Message() + "\n";
        return 1;
    }
    err += BackupMissingNote(command.output, report.BackupMissing());
    return 0;
}

} // namespace miravel
