// Which locks beside a book are taken over: this version's, an older one's
// (Qt's five lines) and another computer's.

#include "file/FileTestSupport.h"
#include "file/ProcessIdentity.h"
#include "file/SystemCalls.h"
#include "platform/BookLock.h"

#include <QDateTime>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace miravel::test {
namespace {

TEST(BookLockOutcome, ALockIsTakenOverOnlyWhenItsWriterIsGone)
{
    QTemporaryDir dir;
    const QString book = dir.filePath(QStringLiteral("class.txt")), lockPath = BookLock::LockPathOf(book);
    const long own = CurrentProcessId(), live = otherRunningProcess();
    const std::string ownStart = ProcessStartMark(own), liveStart = ProcessStartMark(live);
    // A lock without a computer's name is this computer's; "-": the older layout.
    auto text = [](long id, const char* host, const std::string& started, const QByteArray& boot) {
        return QByteArray::number(static_cast<qlonglong>(id)) + "\nmiravel\n" + host + "\nid\n" + boot + "\n" +
               (started == "-" ? QByteArray() : QByteArray::fromStdString(started) + "\n");
    };
    const QByteArray boot = QSysInfo::bootUniqueId();
    using O = BookLock::Outcome;
    const std::tuple<const char*, QByteArray, O> cases[] = {
        {"this program's number: a crashed one had it", text(own, "", ownStart + "1", boot), O::Taken},
        {"this program's number, older layout", text(own, "", "-", boot), O::Taken},
        {"a program still running, older layout", text(live, "", "-", boot), O::HeldElsewhere},
        {"its number now a later program's", text(live, "", liveStart + "0", boot), O::Taken},
        {"another computer's", text(live, "another-pc", liveStart, boot), O::HeldOnAnotherComputer},
    };
    for (const auto& [what, lockText, outcome] : cases) {
        QFile left(lockPath);  // written an hour ago: age makes no lock stale
        ASSERT_TRUE(left.open(QIODevice::WriteOnly) && left.write(lockText) == lockText.size() && left.flush());
        left.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
        left.close();
        BookLock lock;
        EXPECT_EQ(lock.Take(book), outcome) << what;
        QFile written(lockPath);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << what;
        // Taken: the lock is this program's now, naming its start; else untouched.
        const QByteArray now = written.readAll(), ours = QByteArray::number(static_cast<qlonglong>(own)) + "\n";
        EXPECT_TRUE(outcome == O::Taken
                        ? now.startsWith(ours) && now.endsWith("\n" + QByteArray::fromStdString(ownStart) + "\n")
                        : now == lockText)
            << what << "\n" << now.toStdString();
        lock.Release();
        QFile::remove(lockPath);
    }
}

} // namespace
} // namespace miravel::test
