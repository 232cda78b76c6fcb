#include "platform/BookLock.h"

#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

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
        lock_ = std::move(lock); // lets the book held so far go
        // Who has the book open is the book's business: its lock is readable
        // by those who may read the book, no one else.
        constexpr QFileDevice::Permissions readWrite =
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser |
            QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
        const QFileDevice::Permissions own = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ReadUser | QFileDevice::WriteUser;
        QFile::setPermissions(LockPathOf(bookPath), (QFileInfo(bookPath).permissions() & readWrite) | own);

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
