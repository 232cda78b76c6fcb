#include "file/ClassSettingsRecord.h"

#include "file/CompanionFile.h"
#include "file/RecoveryCopy.h"
#include "file/SafeWrite.h"

#include <ctime>
#include <filesystem>

namespace miravel {

namespace fs = std::filesystem;

namespace {

constexpr char kSavedKey[] = "saved=";

// The method alone: what the check list saw, the students' codes and what
// this version does not read are no business of this record.
EvaluationSettings methodOf(const EvaluationSettings& settings)
{
    EvaluationSettings method = settings;
    method.CheckedLetters.clear();
    method.StudentCodes = {};
    method.StudentAccounts = {};
    method.OtherSettings.clear();
    return method;
}

std::string methodWords(const EvaluationSettings& settings)
{
    return std::string(settings.Criterion() ? "目標準拠評価" : "相対評価") + "、" +
           (settings.Terms == 2 ? "2学期制" : "3学期制");
}

} // namespace

std::string ClassRecordPath(const std::string& dataFolder, const GradeDocument& book)
{
    const std::string key =
        book.SchoolYear + "\n" + book.GradeLevel + "\n" + book.ClassName + "\n" + book.TeacherName;
    return (fs::u8path(dataFolder) / "classes" / fs::u8path(PathKey(key) + ".miravel")).u8string();
}

FileResult WriteClassRecord(const std::string& dataFolder, const GradeDocument& book, const std::string& time)
{
    const std::string path = ClassRecordPath(dataFolder, book);
    const EvaluationSettings method = methodOf(book.Evaluation);
    std::error_code error;
    if (method.IsDefault()) {
        fs::remove(fs::u8path(path), error);
        return std::nullopt;
    }
    fs::create_directories(fs::u8path(path).parent_path(), error);
    if (error)
        return FileError{0, "設定の記録を保存するフォルダーを作れません（" + SystemErrorText(error.value()) + "）。"};
    return WriteFileAtomically(path, "[record]\n" + std::string(kSavedKey) + time + "\n" +
                                         EvaluationSettingsText(method));
}

std::string SealRecordPath(const std::string& dataFolder, const GradeDocument& book)
{
    std::string path = ClassRecordPath(dataFolder, book);
    return path.substr(0, path.size() - std::string(".miravel").size()) + ".sealed";
}

SealStamp SeenSealStamp(const std::string& dataFolder, const GradeDocument& book)
{
    SealStamp seen;
    std::string text;
    if (dataFolder.empty() || ReadWholeFile(SealRecordPath(dataFolder, book), text))
        return seen;
    auto number = [&text](const char* key) -> std::string {
        const std::string line = std::string(key) + "=";
        const auto at = text.find(line);
        if (at != 0 && (at == std::string::npos || text[at - 1] != '\n'))
            return std::string();
        const std::string value = text.substr(at + line.size(), text.find('\n', at) - at - line.size());
        return value.size() <= 18 && !value.empty() && value.find_first_not_of("0123456789") == std::string::npos
                   ? value
                   : std::string();
    };
    const std::string counter = number("counter"), time = number("time");
    if (!counter.empty())
        seen.counter = std::stoull(counter);
    if (!time.empty())
        seen.time = std::stoll(time);
    return seen;
}

FileResult NoteSealStamp(const std::string& dataFolder, const GradeDocument& book, const SealStamp& stamp)
{
    if (dataFolder.empty() || stamp.counter <= SeenSealStamp(dataFolder, book).counter)
        return std::nullopt;
    const std::string path = SealRecordPath(dataFolder, book);
    std::error_code error;
    fs::create_directories(fs::u8path(path).parent_path(), error);
    if (error)
        return FileError{0, "設定の記録を保存するフォルダーを作れません（" + SystemErrorText(error.value()) + "）。"};
    return WriteFileAtomically(path, "counter=" + std::to_string(stamp.counter) + "\ntime=" +
                                         std::to_string(stamp.time) + "\n", 0600);
}

std::string RollbackNotice(const SealStamp& seen, const SealStamp& opened)
{
    if (opened.counter >= seen.counter)
        return std::string();
    std::string when = "不明";
    const std::time_t time = static_cast<std::time_t>(opened.time);
    std::tm local{};
    char text[32];
#ifdef _WIN32
    const bool known = opened.time > 0 && localtime_s(&local, &time) == 0;
#else
    const bool known = opened.time > 0 && localtime_r(&time, &local);
#endif
    if (known && std::strftime(text, sizeof text, "%Y/%m/%d %H:%M", &local))
        when = text;
    return "このファイルは、このパソコンで前に開いたものより古い版です（保存日時 " + when + "）。";
}

MissingSettingsAdvice AdviseMissingSettings(const std::string& dataFolder, const std::string& bookPath,
                                            const GradeDocument& book)
{
    MissingSettingsAdvice advice;
    std::string text;
    if (!dataFolder.empty() && !ReadWholeFile(ClassRecordPath(dataFolder, book), text) &&
        !ParseEvaluationSettings(text, advice.settings) && !advice.settings.IsDefault()) {
        const auto at = text.find(kSavedKey);
        const std::string saved =
            at == std::string::npos ? "以前" : text.substr(at + 6, text.find('\n', at) - at - 6);
        advice.kind = MissingSettingsAdvice::Kind::OfferRecord;
        advice.text = "この成績ファイルの評価の方法（" + methodWords(advice.settings) + "）が見つかりません。" + saved +
                      " に保存したときの設定を使いますか？";
        return advice;
    }
    advice.settings = EvaluationSettings{};
    if (book.SemesterNames[0] == "前期" && book.SemesterNames[1] == "後期") {
        advice.kind = MissingSettingsAdvice::Kind::SayMissing;
        advice.text = "この成績ファイルは2学期制（前期・後期）ですが、評価の方法を記録した設定ファイルが見つかりません。"
                      "設定ファイルは " + CompanionPath(bookPath) +
                      " にあるはずです。成績ファイルと一緒にコピーしてから開き直してください。";
    }
    return advice;
}

} // namespace miravel
