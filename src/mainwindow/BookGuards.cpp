// One book in one window: the lock taken at Open (the file's stamp is
// compared by the save itself), and a book the teacher cannot write.

#include "mainwindow/frmMain.h"

#include "file/SystemCalls.h"
#include "mainwindow/MainWindowTexts.h"
#include "platform/BookLock.h"
#include "platform/Platform.h"
#include "platform/FileLayerPath.h"

#include <QFileInfo>

namespace miravel {

namespace {

QString absolute(const QString& path) { return QFileInfo(path).absoluteFilePath(); }

} // namespace

bool frmMain::takeBook(const QString& path)
{
    if (lockedPath_ == absolute(path))
        return true;
    const BookLock::Outcome outcome = lock_->Take(path);
    bool readOnly = false;
    if (outcome == BookLock::Outcome::HeldElsewhere) {
        const MessageAnswer answer = platform_.ShowMessage(this, message(texts::kOpenedElsewhere),
                                                           message(texts::kProgramTitle), MessageButtons::YesNo,
                                                           MessageIcon::None);
        if (answer != MessageAnswer::Yes)
            return false;
        readOnly = true;
    } else if (outcome == BookLock::Outcome::HeldOnAnotherComputer) {
        const int answer = askAboutLockOfAnotherComputer(path);
        if (answer < 0)
            return false;
        readOnly = answer == 0;
    } else {
        // A folder the teacher cannot write: the book can be read, and
        // saved elsewhere.
        readOnly = outcome == BookLock::Outcome::Unavailable ||
                   !FolderWritable(FileLayerPath(QFileInfo(path).absolutePath()));
    }
    if (readOnly)
        lock_->Release();
    commands_.readOnly = readOnly;
    lockedPath_ = absolute(path);
    applyCommands();
    return true;
}

int frmMain::askAboutLockOfAnotherComputer(const QString& path)
{
    const BookLock::Holder holder = BookLock::HolderOf(path);
    const QString since = holder.since.toString(QStringLiteral("yyyy/MM/dd HH:mm"));
    const MessageAnswer answer =
        platform_.ShowMessage(this, message(texts::kOpenedOnAnotherComputer).arg(holder.host, since),
                              message(texts::kProgramTitle), MessageButtons::ReadOnlyUnlockCancel, MessageIcon::None);
    if (answer == MessageAnswer::Yes)
        return 0;
    if (answer != MessageAnswer::No)
        return -1;
    if (platform_.ShowMessage(this, message(texts::kUnlockWarning).arg(holder.host), message(texts::kProgramTitle),
                              MessageButtons::YesNoDefaultNo, MessageIcon::None) != MessageAnswer::Yes)
        return -1;
    if (lock_->TakeOver(path) != BookLock::Outcome::Taken) {
        inform(message(texts::kCannotUnlock).arg(holder.host));
        return -1;
    }
    return 1;
}

bool frmMain::takeBookForSaving(const QString& path)
{
    if (lockedPath_ == absolute(path) && !commands_.readOnly)
        return true;
    const BookLock::Outcome outcome = lock_->Take(path);
    if (outcome == BookLock::Outcome::HeldElsewhere || outcome == BookLock::Outcome::HeldOnAnotherComputer) {
        inform(message(texts::kSaveOntoOpenedElsewhere));
        return false;
    }
    lockedPath_ = absolute(path);
    commands_.readOnly = false;
    return true;
}

void frmMain::releaseBook()
{
    lock_->Release();
    lockedPath_.clear();
    commands_.readOnly = false;
    diskPath_.clear();
    diskStamp_ = DiskStamp();
}

void frmMain::noteDiskState(const std::string& path, const DiskStamp& stamp)
{
    diskPath_ = path;
    diskStamp_ = stamp;
}

} // namespace miravel
