#pragma once
// Another program running beside the tests, for as long as the object lives:
// a lock naming it is a lock of a program still running.

#include <QDateTime>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace miravel::test {

class OtherProgram {
public:
    OtherProgram()
    {
#ifdef _WIN32
        process_.start(QStringLiteral("cmd"), {QStringLiteral("/c"), QStringLiteral("pause")});  // waits for input
#else
        process_.start(QStringLiteral("sleep"), {QStringLiteral("600")});
#endif
        EXPECT_TRUE(process_.waitForStarted());
    }
    ~OtherProgram()
    {
        process_.kill();
        process_.waitForFinished();
    }
    long Id() const { return static_cast<long>(process_.processId()); }

private:
    QProcess process_;
};

// Writes a lock file as another program would have written it, an hour ago
// (a book stays open for hours: age makes no lock stale).
inline void WriteLock(const QString& lockPath, const QByteArray& text)
{
    QFile lock(lockPath);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate));
    lock.write(text);
    lock.flush();  // before its time is set
    lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
}

} // namespace miravel::test
