#include "platform/BookLock.h"

#include <QFileInfo>
#include <QLockFile>

namespace miravel {

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

        return Outcome::Taken;
    }
    return lock->error() == QLockFile::LockFailedError ? Outcome::HeldElsewhere : Outcome::Unavailable;
}

void BookLock::Release() { lock_.reset(); }

bool BookLock::Holds(const QString& bookPath) const
{
    return lock_ && lock_->fileName() == LockPathOf(bookPath);
}

} // namespace miravel
