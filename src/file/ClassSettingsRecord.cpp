#include "file/ClassSettingsRecord.h"

#include "file/CompanionFile.h"
#include "file/RecoveryCopy.h"
#include "file/SafeWrite.h"

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
