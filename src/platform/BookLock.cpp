#include "platform/BookLock.h"

#include "file/ProcessIdentity.h"
#include "file/SystemCalls.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSysInfo>

#ifdef Q_OS_WIN
#include "file/windows/Win32Path.h"
#include "platform/FileLayerPath.h"

#include <windows.h>
#endif

namespace miravel {
namespace {

// The name a lock carries for this computer: on Windows its NetBIOS name
// (upper case: "VM" where the host name is "vm"), elsewhere the host name,
// as Qt's own lock files (which older versions wrote) have it.
QString ThisComputer()
{
#ifdef Q_OS_WIN
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

// The locks this program holds, whichever window: a lock with this
// program's number that none of them holds was left by a crashed program
// the number belonged to before.
QSet<QString>& heldHere()
{
    static QSet<QString> held;
    return held;
}

// The lines of Qt's lock files (number, program, computer, machine, boot),
// and after them the start of the writing process: a reader of the older
// layout reads the first five and passes over the rest.
QByteArray contents()
{
    const long own = CurrentProcessId();
    return QByteArray::number(static_cast<qlonglong>(own)) + '\n' +
           QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + '\n' + ThisComputer().toUtf8() +
           '\n' + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n' +
           QByteArray::fromStdString(ProcessStartMark(own)) + '\n';
}

} // namespace

BookLock::LockText BookLock::ParseLock(const QByteArray& text)
{
    const QList<QByteArray> lines = text.split('\n');
    LockText lock;
    bool number = false;
    lock.writer.id = static_cast<long>(lines.value(0).toLongLong(&number));
    if (!number || lines.size() < 3)
        return LockText();
    lock.readable = true;
    lock.host = QString::fromUtf8(lines.value(2));
    lock.boot = lines.value(4);
    lock.writer.started = lines.value(5).toStdString();
    return lock;
}

BookLock::Holding BookLock::JudgeLock(const LockText& lock, const QString& computer, const QByteArray& boot,
                                      bool anotherComputerOnly)
{
    // A lock being written this moment (or damaged): only its writer knows.
    if (!lock.readable)
        return Holding::Running;
    if (!lock.host.isEmpty() && lock.host != computer)
        return Holding::AnotherComputer;
    if (anotherComputerOnly)
        return Holding::Running;
    // Written before this computer last started: no process of it runs.
    if (!lock.boot.isEmpty() && !boot.isEmpty() && lock.boot != boot)
        return Holding::Ended;
    return WriterEnded(lock.writer) ? Holding::Ended : Holding::Running;
}

BookLock::BookLock() = default;

BookLock::~BookLock() { Release(); }

QString BookLock::LockPathOf(const QString& bookPath)
{
    // However the book is named (a link, "..") it has one lock.
    const QString canonical = QFileInfo(bookPath).canonicalFilePath();
    const QFileInfo book(canonical.isEmpty() ? bookPath : canonical);
    return book.absolutePath() + QStringLiteral("/.") + book.fileName() + QStringLiteral(".lock");
}

BookLock::Outcome BookLock::Take(const QString& bookPath)
{
    const QString path = LockPathOf(bookPath);
    if (Holds(bookPath))
        return Outcome::Taken;
    if (heldHere().contains(path))
        return Outcome::HeldElsewhere;  // another window of this program
    // A stale lock is removed and the book tried once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto file = std::make_unique<QFile>(path);
        if (file->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            const QByteArray text = contents();
            if (file->write(text) != text.size() || !file->flush()) {
                file->close();
                file->remove();
                return Outcome::Unavailable;
            }
            // Who has the book open is the book's business: its lock is
            // readable by those who may read the book, no one else.
            constexpr QFileDevice::Permissions readWrite =
                QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser | QFileDevice::WriteUser |
                QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther;
            const QFileDevice::Permissions own = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadUser | QFileDevice::WriteUser;
            QFile::setPermissions(path, (QFileInfo(bookPath).permissions() & readWrite) | own);
#ifdef Q_OS_WIN
            // Hidden, as its leading dot hides it elsewhere. Best effort.
            ::SetFileAttributesW(Win32Path(FileLayerPath(path)).c_str(), FILE_ATTRIBUTE_HIDDEN);
#endif
            // Kept open while held: Windows lets no one remove an open file.
            Release(); // lets the book held so far go
            lock_ = std::move(file);
            heldHere().insert(path);
            return Outcome::Taken;
        }
        QFile left(path);
        if (!left.exists())
            return Outcome::Unavailable;  // no file can be made there
        if (!left.open(QIODevice::ReadOnly))
            return Outcome::HeldElsewhere;
        const Holding holding = JudgeLock(ParseLock(left.read(4096)), ThisComputer(), QSysInfo::bootUniqueId());
        left.close();
        if (holding == Holding::AnotherComputer)
            return Outcome::HeldOnAnotherComputer;
        if (holding == Holding::Running)
            return Outcome::HeldElsewhere;
        if (!left.remove())
            return Outcome::Unavailable;
    }
    return Outcome::HeldElsewhere;
}

BookLock::Outcome BookLock::TakeOver(const QString& bookPath)
{
    QFile left(LockPathOf(bookPath));
    if (left.open(QIODevice::ReadOnly)) {
        const LockText lock = ParseLock(left.read(4096));
        left.close();
        // Only another computer's lock is the teacher's to remove.
        if (JudgeLock(lock, ThisComputer(), QSysInfo::bootUniqueId(), true) == Holding::AnotherComputer)
            left.remove();
    }
    return Take(bookPath);
}

BookLock::Holder BookLock::HolderOf(const QString& bookPath)
{
    QFile lock(LockPathOf(bookPath));
    Holder holder;
    if (lock.open(QIODevice::ReadOnly))
        holder.host = ParseLock(lock.read(4096)).host;
    holder.since = QFileInfo(LockPathOf(bookPath)).lastModified();
    return holder;
}

void BookLock::Release()
{
    if (!lock_)
        return;
    heldHere().remove(lock_->fileName());
    lock_->close();
    lock_->remove();
    lock_.reset();
}

bool BookLock::Holds(const QString& bookPath) const
{
    return lock_ && lock_->fileName() == LockPathOf(bookPath);
}

} // namespace miravel
