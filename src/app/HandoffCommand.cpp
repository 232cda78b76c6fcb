#include "app/HandoffCommand.h"

#include "core/EvaluationRules.h"
#include "file/BookSave.h"
#include "file/SafeWrite.h"
#include "file/SameFile.h"
#include "grades/EvaluationList.h"
#include "grades/HandoffCheck.h"
#include "grades/HandoffRows.h"
#include "mainwindow/MainWindowTexts.h"

#include <memory>

namespace miravel {

std::string ReadHandoffOption(const std::vector<std::string>& args, std::size_t& i, CommandLine& command)
{
    const std::string option = args[i];
    if (option == "--force") {
        command.force = true;
        return {};
    }
    std::string& target = option == "--profile" ? command.profile : option == "--period" ? command.period : command.output;
    if (!target.empty() && option != "--export-handoff")
        return option + " は一度だけ指定してください。";
    if (i + 1 >= args.size())
        return option + (option == "--profile" ? " の後に書式ファイルを指定してください。"
                         : option == "--period" ? " の後に期間（1〜3 が学期、4 が通年）を指定してください。"
                                                : " の後に出力ファイルを指定してください。");
    target = args[++i];
    return {};
}

std::string HandoffOptionsError(const CommandLine& command)
{
    const bool handoff = command.action == CommandLine::Action::ExportHandoff;
    if (!handoff)
        return command.profile.empty() && command.period.empty() && !command.force
                   ? std::string()
                   : "--profile、--period、--force は --export-handoff と一緒に使います。";
    if (!command.view.empty())
        return "--export-handoff には --view ではなく --period で期間を指定します。";
    if (command.profile.empty())
        return "--profile で書式ファイル（.miravel-profile）を指定してください。";
    if (command.period.size() != 1 || command.period[0] < '1' || command.period[0] > '4')
        return "--period は 1 から 3（学期）か 4（通年）です。";
    return {};
}

int ExportHandoffCommand(const CommandLine& command, std::string& /*out*/, std::string& err)
{
    if (RefuseOutputOntoBook(command, err))
        return 1;
    if (SameFile(command.output, command.profile)) {
        err += "出力ファイル " + command.output + " は書式ファイルと同じファイルです。別の名前を指定してください。\n";
        return 1;
    }
    HandoffProfile profile;
    if (FileResult error = ReadHandoffProfile(command.profile, profile)) {
        err += "書式ファイルを読めません。" + command.profile + ": " + error->Message() + "\n";
        return 1;
    }
    auto book = std::make_unique<GradeBook>();
    if (!OpenCommandBook(command, *book, err))
        return 1;
    if (book->CountEnrolledStudents() == 0) {
        err += std::string(texts::kNoStudentsYet) + "\n";
        return 1;
    }
    const int period = command.period[0] == '4' ? kYearRoundPeriod : command.period[0] - '1';
    if (period >= ShownSemesters(*book) && period != kYearRoundPeriod) {
        err += "この学級は2学期制です。--period は 1、2 か 4（通年）です。\n";
        return 1;
    }
    const std::vector<GradeFinding> findings = CheckBeforeHandoff(*book, profile);
    for (const GradeFinding& finding : findings)
        err += finding.text + "\n";
    if (!findings.empty() && !command.force) {
        err += "確認で " + std::to_string(findings.size()) +
               " 件の問題があります。書き出しませんでした（このまま書き出すには --force を付けます）。\n";
        return 1;
    }
    std::string bytes;
    if (FileResult error = EncodeHandoffRows(HandoffRows(*book, period, profile), profile.encoding, bytes,
                                             profile.formulas)) {
        err += "提出用のファイルを書けません。" + error->Message() + "\n";
        return 1;
    }
    SaveReport report;
    if (FileResult error = WriteExportWithBackup(command.output, bytes, report, BookFileMode(command.file))) {
        err += "提出用のファイルを書けません。" + command.output + ": " + error->Message() + "\n";
        return 1;
    }
    err += BackupMissingNote(command.output, report.BackupMissing());
    return 0;
}

} // namespace miravel
