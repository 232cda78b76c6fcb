#include "file/RecoveryCopy.h"

#include "file/CompanionFile.h"
#include "file/GradeBookFile.h"
#include "file/ProcessIdentity.h"
#include "file/ProtectedBook.h"
#include "file/SafeWrite.h"
#include "file/SystemCalls.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>

namespace miravel {

// Paths are UTF-8 strings; u8path keeps them so on Windows too.
namespace fs = std::filesystem;

namespace {

constexpr char kCopyExtension[] = ".txt";
constexpr char kSealedCopyExtension[] = ".mrvl";
constexpr char kRecordExtension[] = ".recovery";
constexpr char kKeptRecordExtension[] = ".info";
constexpr char kRecordHeading[] = "Miravel recovery copy";

} // namespace

std::string PathKey(const std::string& originalPath)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : originalPath) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

namespace {

bool runningElsewhere(const RecoveryRecord& record)
{
    return !WriterEnded(WriterProcess{record.processId, record.started});
}

std::string withoutExtension(const std::string& path, const char* extension)
{
    return path.substr(0, path.size() - std::string(extension).size());
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

std::string FileStampOf(const std::string& time)
{
    std::string stamp;
    for (char c : time) {
        if (c >= '0' && c <= '9')
            stamp += c;
        else if (c == ' ')
            stamp += '-';
    }
    return stamp.empty() ? "undated" : stamp;
}

std::string BookNameOf(const std::string& originalPath)
{
    if (originalPath.empty())
        return "新規";
    std::string name = fs::u8path(originalPath).filename().u8string();
    const auto dot = name.find('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name.empty() ? "新規" : name;
}

namespace {

FileError fileSystemFailure(const std::error_code& error)
{
    return FileError{0, "復元用のフォルダーに書き込めません（" + SystemErrorText(error.value()) + "）。"};
}

} // namespace

std::string RecoveryCopyExtension(const std::string& originalPath, bool sealed)
{
    if (!sealed)
        return kCopyExtension;
    // A sealed copy named .txt would look like a book any editor can read.
    const std::string extension = fs::u8path(originalPath).extension().u8string();
    return extension.size() > 1 ? extension : std::string(kSealedCopyExtension);
}

RecoveryRecord RecoveryFilesFor(const std::string& folder, const std::string& originalPath, long processId,
                                bool sealed)
{
    const std::string key =
        (originalPath.empty() ? std::string("new") : PathKey(originalPath)) + "-" + std::to_string(processId);
    RecoveryRecord record;
    record.copyPath = (fs::u8path(folder) / fs::u8path(key + RecoveryCopyExtension(originalPath, sealed))).u8string();
    record.recordPath = (fs::u8path(folder) / fs::u8path(key + kRecordExtension)).u8string();
    record.originalPath = originalPath;
    record.processId = processId;
    record.started = ProcessStartMark(processId);
    return record;
}

namespace {

// The path as the system writes it ("C:\\成績\\1組.txt" on Windows), and back
// to the program's own "/" (no Windows name holds a "\\").
std::string nativeSeparators(std::string path)
{
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#endif
    return path;
}

std::string programSeparators(std::string path)
{
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return path;
}

} // namespace

std::string RecoveryRecordText(const RecoveryRecord& record)
{
    return std::string(kRecordHeading) + "\ntime=" + record.time + "\npid=" + std::to_string(record.processId) +
           (record.started.empty() ? "" : "\nstart=" + record.started) + (record.behind ? "\nbehind=1" : "") +
           "\npath=" + nativeSeparators(record.originalPath) + "\n";
}

bool ParseRecoveryRecord(const std::string& text, RecoveryRecord& record)
{
    const std::string heading = std::string(kRecordHeading) + "\n";
    if (text.compare(0, heading.size(), heading) != 0)
        return false;
    const std::string timeKey = "time=", pidKey = "pid=", startKey = "start=", behindKey = "behind=",
                      pathKey = "path=";
    std::size_t at = heading.size();
    auto field = [&](const std::string& key, std::string& value) {
        if (text.compare(at, key.size(), key) != 0)
            return false;
        const auto end = text.find('\n', at);
        if (end == std::string::npos)
            return false;
        value = text.substr(at + key.size(), end - at - key.size());
        at = end + 1;
        return true;
    };
    std::string time, pid, started, behind;
    if (!field(timeKey, time) || !field(pidKey, pid))
        return false;
    // Records of older versions have no start.
    if (text.compare(at, startKey.size(), startKey) == 0 && !field(startKey, started))
        return false;
    if (text.compare(at, behindKey.size(), behindKey) == 0 && !field(behindKey, behind))
        return false;
    // The path runs to the end of the record, whatever it holds.
    if (text.compare(at, pathKey.size(), pathKey) != 0 || !endsWith(text, "\n"))
        return false;
    record.time = time;
    record.started = started;
    record.behind = behind == "1";
    record.processId = std::strtol(pid.c_str(), nullptr, 10);
    record.originalPath = programSeparators(text.substr(at + pathKey.size(), text.size() - 1 - at - pathKey.size()));
    return true;
}

FileResult WriteRecoveryCopy(const RecoveryRecord& record, const GradeDocument& document, unsigned mode,
                             const BookKey* key)
{
    std::string bytes;
    if (auto error = key ? EncodeProtectedBook(document, *key, bytes) : EncodeGradeBook(document, bytes))
        return error;
    const fs::path folder = fs::u8path(record.copyPath).parent_path();
    std::error_code made;
    if (fs::create_directories(folder, made))
        SetFolderMode(folder.u8string(), 0700); // copies of every book meet here
    if (made)
        return fileSystemFailure(made);
    if (auto error = WriteFileAtomically(record.copyPath, bytes, mode))
        return error;
    if (key) {
        // The sealed copy holds its settings; none may stay beside it in plain.
        std::error_code ignored;
        fs::remove(fs::u8path(CompanionPath(record.copyPath)), ignored);
    } else if (auto error = WriteCompanion(record.copyPath, document.Evaluation, mode)) {
        // The evaluation settings go beside the copy as beside the book.
        return error;
    }
    return WriteFileAtomically(record.recordPath, RecoveryRecordText(record), mode);
}

void MarkRecoveryCopyBehind(const RecoveryRecord& record)
{
    RecoveryRecord marked = record;
    marked.behind = true;
    WriteFileAtomically(record.recordPath, RecoveryRecordText(marked));
}

void RemoveRecoveryCopy(const RecoveryRecord& record)
{
    std::error_code ignored;
    // The record goes first: a copy without its record is never offered.
    fs::remove(fs::u8path(record.recordPath), ignored);
    fs::remove(fs::u8path(record.copyPath), ignored);
    fs::remove(fs::u8path(CompanionPath(record.copyPath)), ignored);
}

std::vector<RecoveryRecord> FindRecoveryCopies(const std::string& folder)
{
    std::vector<RecoveryRecord> found;
    std::error_code error;
    for (fs::directory_iterator entry(fs::u8path(folder), error), end; !error && entry != end; entry.increment(error)) {
        const std::string recordPath = entry->path().u8string();
        if (!endsWith(recordPath, kRecordExtension))
            continue;
        std::string text;
        RecoveryRecord record;
        if (ReadWholeFile(recordPath, text) || !ParseRecoveryRecord(text, record))
            continue;
        record.recordPath = recordPath;
        const std::string key = withoutExtension(recordPath, kRecordExtension);
        std::error_code missing;
        for (bool sealed : {false, true}) {
            record.copyPath = key + RecoveryCopyExtension(record.originalPath, sealed);
            if (fs::is_regular_file(fs::u8path(record.copyPath), missing))
                break;
        }
        if (!fs::is_regular_file(fs::u8path(record.copyPath), missing) || runningElsewhere(record))
            continue;
        found.push_back(record);
    }
    // The time is written with fixed widths, so text order is time order.
    std::stable_sort(found.begin(), found.end(),
                     [](const RecoveryRecord& a, const RecoveryRecord& b) { return a.time > b.time; });
    return found;
}

bool FindRecoveryCopyOf(const std::string& folder, const std::string& originalPath, RecoveryRecord& found)
{
    for (const RecoveryRecord& record : FindRecoveryCopies(folder))
        if (record.originalPath == originalPath) {
            found = record;
            return true;
        }
    return false;
}

bool CopyIsNotOlderThanOriginal(const RecoveryRecord& record)
{
    std::error_code error;
    const auto original = fs::last_write_time(fs::u8path(record.originalPath), error);
    if (error)
        return true;
    const auto copy = fs::last_write_time(fs::u8path(record.copyPath), error);
    return !error && copy >= original;
}

FileResult KeepDatedCopy(const RecoveryRecord& record, std::string& keptPath)
{
    const fs::path folder = fs::u8path(record.copyPath).parent_path();
    const std::string base = BookNameOf(record.originalPath) + "-" + FileStampOf(record.time);
    const std::string extension = fs::u8path(record.copyPath).extension().u8string();
    auto taken = [&folder, &extension](const std::string& name) {
        std::error_code ignored;
        return fs::exists(folder / fs::u8path(name + extension), ignored) ||
               fs::exists(folder / fs::u8path(name + kKeptRecordExtension), ignored);
    };
    std::string name = base;
    for (int n = 2; taken(name); ++n)
        name = base + "-" + std::to_string(n);
    const fs::path kept = folder / fs::u8path(name + extension);
    std::error_code error;
    fs::rename(fs::u8path(record.copyPath), kept, error);
    if (error)
        return fileSystemFailure(error);
    fs::rename(fs::u8path(record.recordPath), folder / fs::u8path(name + kKeptRecordExtension), error);
    if (error)
        return fileSystemFailure(error);
    keptPath = kept.u8string();
    // Its evaluation settings, when it has any, keep the same name.
    const fs::path companion = fs::u8path(CompanionPath(record.copyPath));
    if (fs::exists(companion, error))
        fs::rename(companion, fs::u8path(CompanionPath(keptPath)), error);
    return std::nullopt;
}

} // namespace miravel
