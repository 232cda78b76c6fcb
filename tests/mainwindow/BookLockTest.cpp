// The lock beside a book: which locks are left over and taken over, whoever
// wrote them (this version, an older one, another computer).

#include "OtherProgram.h"

#include "file/ProcessIdentity.h"
#include "file/SystemCalls.h"
#include "platform/BookLock.h"

#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>

namespace miravel::test {
namespace {

#ifdef Q_OS_WIN
const QByteArray kHere = qEnvironmentVariable("COMPUTERNAME").toUtf8();
#else
const QByteArray kHere = QSysInfo::machineHostName().toUtf8();
#endif

QByteArray lockText(long id, const QByteArray& host, const std::string& started, const QByteArray& boot)
{
    QByteArray text = QByteArray::number(static_cast<qlonglong>(id)) + "\nmiravel\n" + host + "\n" +
                      QSysInfo::machineUniqueId() + "\n" + boot + "\n";
    return started == "-" ? text : text + QByteArray::fromStdString(started) + "\n";  // "-": an older version's
}

// A running program's lock is never stale however old it is; a lock whose
// number is this program's own, or now another program's started later, is.
TEST(BookLockOutcome, ALockIsTakenOverOnlyWhenItsWriterIsGone)
{
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("class.txt")), lockPath = BookLock::LockPathOf(book);
    OtherProgram other;
    long ended = 0;
    {
        OtherProgram gone;
        ended = gone.Id();
    }
    const long own = CurrentProcessId();
    const std::string otherStart = ProcessStartMark(other.Id()), ownStart = ProcessStartMark(own);
    ASSERT_FALSE(otherStart.empty());
    const QByteArray boot = QSysInfo::bootUniqueId();
    using O = BookLock::Outcome;
    const struct {
        const char* what;
        QByteArray text;
        O outcome;
    } cases[] = {
        {"this program's number: a crashed one had it", lockText(own, kHere, ownStart + "1", boot), O::Taken},
        {"this program's number, older layout", lockText(own, kHere, "-", boot), O::Taken},
        {"a program still running", lockText(other.Id(), kHere, otherStart, boot), O::HeldElsewhere},
        {"a program still running, older layout", lockText(other.Id(), kHere, "-", boot), O::HeldElsewhere},
        {"a program that ended", lockText(ended, kHere, "1", boot), O::Taken},
        {"its number now a later program's", lockText(other.Id(), kHere, otherStart + "0", boot), O::Taken},
        {"written before this computer started", lockText(other.Id(), kHere, "-", boot + "x"), O::Taken},
        {"another computer's", lockText(other.Id(), "another-pc", otherStart, boot), O::HeldOnAnotherComputer},
        {"being written", QByteArray(), O::HeldElsewhere},
    };
    for (const auto& c : cases) {
        WriteLock(lockPath, c.text);
        BookLock lock;
        EXPECT_EQ(lock.Take(book), c.outcome) << c.what;
        QFile written(lockPath);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << c.what;
        const QByteArray now = written.readAll();
        // Taken: the lock is this program's now, with its start; else untouched.
        EXPECT_EQ(now.startsWith(QByteArray::number(static_cast<qlonglong>(own)) + "\n") &&
                      now.endsWith("\n" + QByteArray::fromStdString(ownStart) + "\n"),
                  c.outcome == O::Taken)
            << c.what;
        if (c.outcome != O::Taken) {
            EXPECT_EQ(now, c.text) << c.what;
        }
        lock.Release();
        EXPECT_FALSE(QFileInfo::exists(lockPath) && c.outcome == O::Taken) << c.what;
        QFile::remove(lockPath);
    }
}

// One program, two windows: a lock one of them holds is no crashed program's.
// And a program of an older version, which reads Qt's lock files, sees the
// lock as held.
TEST(BookLockOutcome, ALockThisProgramHoldsStaysHeld)
{
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("class.txt"));
    BookLock first, second;
    ASSERT_EQ(first.Take(book), BookLock::Outcome::Taken);
    EXPECT_EQ(second.Take(book), BookLock::Outcome::HeldElsewhere);
    EXPECT_TRUE(first.Holds(book));
    QLockFile older(BookLock::LockPathOf(book));
    older.setStaleLockTime(0);
    EXPECT_FALSE(older.tryLock(0));
    first.Release();
    EXPECT_EQ(second.Take(book), BookLock::Outcome::Taken);
}

} // namespace
} // namespace miravel::test
