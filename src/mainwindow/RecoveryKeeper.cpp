#include "mainwindow/RecoveryKeeper.h"

#include "core/GradeBook.h"
#include "file/BookSave.h"
#include "file/SystemCalls.h"
#include "mainwindow/MainWindowTexts.h"
#include "platform/FileLayerPath.h"

#include <QFileInfo>

#include <algorithm>

namespace miravel {

RecoveryKeeper::RecoveryKeeper(const QString& folder, std::function<QString()> now,
                               std::function<void(const QString&)> note, QObject* parent)
    : QObject(parent), folder_(folder), now_(std::move(now)), note_(std::move(note))
{
    soon_.setSingleShot(true);
    connect(&soon_, &QTimer::timeout, this, &RecoveryKeeper::WriteNow);
    refresh_.setInterval(kRefreshMs);
    connect(&refresh_, &QTimer::timeout, this, &RecoveryKeeper::WriteNow);
}

void RecoveryKeeper::DocumentChanged()
{
    if (folder_.isEmpty())
        return;
    pending_ = true;
    if (!refresh_.isActive())
        refresh_.start();
    schedule();
}

void RecoveryKeeper::WriteAtOnce()
{
    DocumentChanged();
    WriteNow();
}

// Changes usually come from a handler that is still running; the copy is
// written once it has finished, and not sooner than 250 ms after the last.
void RecoveryKeeper::schedule()
{
    if (soon_.isActive())
        return;
    const qint64 since = sinceLastCopy_.isValid() ? sinceLastCopy_.elapsed() : kShortestGapMs;
    soon_.start(static_cast<int>(std::max<qint64>(0, kShortestGapMs - since)));
}

void RecoveryKeeper::WriteNow()
{
    soon_.stop();
    if (!pending_)
        return;
    const GradeBook& book = Book();
    // Recorded whole, so the copy is found whatever folder the next start runs in.
    const std::string original =
        book.CurrentFilePath.empty()
            ? std::string()
            : FileLayerPath(QFileInfo(QtPath(book.CurrentFilePath)).absoluteFilePath());
    RecoveryRecord record =
        RecoveryFilesFor(FileLayerPath(folder_), original, CurrentProcessId(), key_ != nullptr);
    record.time = now_().toStdString();
    sinceLastCopy_.start();
    // The copy holds what the book holds: it takes the book's permission bits.
    const unsigned mode = book.CurrentFilePath.empty() ? 0600 : BookFileMode(book.CurrentFilePath);
    if (const FileResult error = WriteRecoveryCopy(record, book, mode, key_)) {
        if (!failureNoted_)
            note_(QString::fromUtf8(texts::kCannotWriteRecovery) + QString::fromStdString(error->Message()));
        failureNoted_ = true;
        // The copy on disk (if any) no longer holds all the work: say so.
        if (haveCopy_ && !lastCopy_.behind) {
            lastCopy_.behind = true;
            MarkRecoveryCopyBehind(lastCopy_);
        }
        return;
    }
    failureNoted_ = false;
    ++copiesWritten_;
    // A Save As or a restored copy moves the document to another name.
    if (haveCopy_ && lastCopy_.copyPath != record.copyPath)
        RemoveRecoveryCopy(lastCopy_);
    lastCopy_ = record;
    haveCopy_ = true;
}

void RecoveryKeeper::Forget()
{
    soon_.stop();
    refresh_.stop();
    pending_ = false;
    if (haveCopy_)
        RemoveRecoveryCopy(lastCopy_);
    haveCopy_ = false;
}

void RecoveryKeeper::Adopt(const RecoveryRecord& restored)
{
    lastCopy_ = restored;
    haveCopy_ = true;
    DocumentChanged();
}

} // namespace miravel
