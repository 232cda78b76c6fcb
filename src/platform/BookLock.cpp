#include "platform/BookLock.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#ifdef Q_OS_WIN
#include "file/windows/Win32Path.h"
#include "platform/FileLayerPath.h"

#include <windows.h>
#endif

namespace miravel {
namespace {

// The name QLockFile writes into a lock: on Windows the computer's NetBIOS
// name (upper case: "VM" where the host name is "vm"), elsewhere the host name.
QString ThisComputer()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

} // namespace

BookLock::BookLock() = default;

BookLock::~BookLock() = default;

QString BookLock::LockPathOf(const QString& bookPath)
{
    // However the book is named (a link, "..") it has one lock.
    const QString canonical = QFileInfo(bookPath).canonicalFilePath();
    const QFileInfo book(canonical.isEmpty() ? bookPath : canonical);
    return book.absolutePath() + QStringLiteral("/.") + book.fileName() + QStringLiteral(".lock");
}

BookLock::Outcome BookLock::Take(const QString& bookPath)
{
    auto lock = std::make_unique<QLockFile>(LockPathOf(bookPath));
    // A book stays open for hours: only a lock whose program is gone is stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
#ifdef Q_OS_WIN
        // Hidden, as its leading dot hides it elsewhere. Best effort.
        ::SetFileAttributesW(Win32Path(FileLayerPath(lock->fileName())).c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
        lock_ = std::move(lock); // lets the book held so far go

        return Outcome::Taken;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return Outcome::Unavailable;
    const QString host = HolderOf(bookPath).host;
    return host.isEmpty() || host == ThisComputer() ? Outcome::HeldElsewhere
                                                                 : Outcome::HeldOnAnotherComputer;
}

BookLock::Outcome BookLock::TakeOver(const QString& bookPath)
{
    QLockFile left(LockPathOf(bookPath));
    left.removeStaleLockFile();
    return Take(bookPath);
}

BookLock::Holder BookLock::HolderOf(const QString& bookPath)
{
    QLockFile lock(LockPathOf(bookPath));
    qint64 process = 0;
    QString host, application;
    Holder holder;
    if (lock.getLockInfo(&process, &host, &application))
        holder.host = host;
    holder.since = QFileInfo(LockPathOf(bookPath)).lastModified();
    return holder;
}

void BookLock::Release() { lock_.reset(); }

bool BookLock::Holds(const QString& bookPath) const
{
    return lock_ && lock_->fileName() == LockPathOf(bookPath);
}

} // namespace miravel
