// The recovery copy seen from the window: written after changes, removed by
// Save and by a No at closing, offered at the next start after a crash.

#include "WindowTestSupport.h"

#include "RecoveryChanges.h"
#include "file/RecoveryCopy.h"
#include "mainwindow/RecoveryKeeper.h"
#include "mainwindow/SessionEnd.h"
#include "platform/BookLock.h"
#include "platform/FileLayerPath.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSessionManager>
#include <QStatusBar>

namespace miravel::test {
namespace {

class Recovery : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform.dataFolder = path("data");
        start();
    }

    std::string folder() const { return FileLayerPath(path("data/recovery")); }
    QStringList recoveryFiles() const { return QDir(path("data/recovery")).entryList(QDir::Files, QDir::Name); }
    RecoveryKeeper& keeper() { return window->Recovery(); }

    bool waitForCopies(int count)
    {
        return QTest::qWaitFor([&] { return keeper().CopiesWritten() >= count; }, 5000);
    }

    // The copy this program keeps of a file, as the file layer names it.
    RecoveryRecord copyOf(const QString& file) const
    {
        return RecoveryFilesFor(folder(), FileLayerPath(file), QCoreApplication::applicationPid());
    }

    std::string encoded(const GradeDocument& document) const
    {
        std::string bytes;
        EXPECT_FALSE(EncodeGradeBook(document, bytes).has_value());
        return bytes;
    }

    QString offerText(const QString& file, const char* time) const
    {
        return U(texts::kOfferRecovery).arg(QDir::toNativeSeparators(file), U(time));
    }
};

TEST_F(Recovery, ChangeWritesTheCopyAndSaveRemovesIt)
{
    const QString file = writeBook("class.txt", {"佐藤"});
    open(file);
    EXPECT_TRUE(recoveryFiles().isEmpty());  // opening is no change

    Book().StudentNames[0] = "佐藤 一郎";
    Book().MarkChanged();
    ASSERT_TRUE(waitForCopies(1));
    const RecoveryRecord copy = copyOf(file);
    EXPECT_EQ(readAll(QString::fromStdString(copy.copyPath)).toStdString(), encoded(Book()));
    RecoveryRecord record;
    ASSERT_TRUE(ParseRecoveryRecord(readAll(QString::fromStdString(copy.recordPath)).toStdString(), record));
    EXPECT_EQ(record.originalPath, FileLayerPath(file));
    EXPECT_EQ(record.time, "2025/04/07 09:30:00");

    window->mnuFileSave->trigger();
    EXPECT_TRUE(recoveryFiles().isEmpty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Recovery, ChangesInABurstAreCopiedOnceThenAgainAfterTheGap)
{
    open(writeBook("class.txt", {"佐藤"}));
    Book().MarkChanged();
    ASSERT_TRUE(waitForCopies(1));
    QElapsedTimer sinceFirst;
    sinceFirst.start();
    for (int i = 0; i < 200; ++i) {
        Book().RankCountA[0][0] = static_cast<Integer>(i);
        Book().MarkChanged();
        QCoreApplication::processEvents();
    }
    // However slowly the burst ran (a busy machine), copies came no oftener
    // than the gap allows (one more for the first copy's moment, which came
    // a little before the clock started).
    const int duringBurst = keeper().CopiesWritten();
    EXPECT_LE(duringBurst - 1, sinceFirst.elapsed() / RecoveryKeeper::kShortestGapMs + 1);
    // The last change is copied after the gap, and then nothing more.
    const auto lastCopied = [&] {
        GradeDocument copied;
        return !ReadGradeBook(copyOf(path("class.txt")).copyPath, copied).has_value() &&
               copied.RankCountA[0][0] == 199;
    };
    ASSERT_TRUE(QTest::qWaitFor(lastCopied, 5000));
    const int settled = keeper().CopiesWritten();
    EXPECT_GE(settled, 2);
    EXPECT_GE(sinceFirst.elapsed(), RecoveryKeeper::kShortestGapMs - 50);
    QTest::qWait(RecoveryKeeper::kShortestGapMs + 100);
    EXPECT_EQ(keeper().CopiesWritten(), settled);  // nothing changed since
}

// A registration returns with its copy written; a copy that can no longer be
// brought up to date is marked, and the restore question says so.
TEST_F(Recovery, ARegistrationWritesTheCopyAtOnceAndAStaleCopyIsMarked)
{
    const QString file = writeBook("class.txt", {"佐藤"});
    open(file);
    Book().MarkChanged("学級の登録");
    EXPECT_EQ(keeper().CopiesWritten(), 1);
    const RecoveryRecord copy = copyOf(file);
    QFile::setPermissions(QString::fromStdString(copy.copyPath), QFileDevice::ReadOwner); // the next copy fails
    Book().MarkChanged("学級の登録");
    EXPECT_EQ(keeper().CopiesWritten(), 1);
    RecoveryRecord record;
    ASSERT_TRUE(ParseRecoveryRecord(readAll(QString::fromStdString(copy.recordPath)).toStdString(), record));
    EXPECT_TRUE(record.behind);

    platform.messageAnswers = {MessageAnswer::Cancel};
    window->OfferRecovery();
    EXPECT_TRUE(lastMessage().endsWith(U(texts::kRecoveryBehind).arg(U("09:30")))) << lastMessage().toStdString();
}

TEST_F(Recovery, AnswerAtClosingDecidesTheCopy)
{
    const QString file = writeBook("class.txt", {"佐藤"});
    open(file);
    Book().MarkChanged();
    ASSERT_TRUE(waitForCopies(1));

    platform.messageAnswers = {MessageAnswer::Cancel};
    window->mnuFileClose->trigger();
    EXPECT_EQ(recoveryFiles().size(), 2);  // still unsaved, still guarded

    platform.messageAnswers = {MessageAnswer::No};
    window->mnuFileClose->trigger();
    EXPECT_TRUE(recoveryFiles().isEmpty());
    QTest::qWait(RecoveryKeeper::kShortestGapMs);
    EXPECT_TRUE(recoveryFiles().isEmpty());
}

TEST_F(Recovery, KilledProgramLeavesACopyThatYesRestoresByteForByte)
{
    const QString file = writeBook("3年1組.txt", {"佐藤", "鈴木"});
    QProcess crashing;
    crashing.start(QStringLiteral(MIRAVEL_CRASH_HELPER), {path("data"), file});
    ASSERT_TRUE(crashing.waitForStarted());
    ASSERT_TRUE(crashing.waitForReadyRead(30000)) << crashing.readAllStandardError().toStdString();
    EXPECT_EQ(crashing.readAllStandardOutput().trimmed(), QByteArray("ready"));
    crashing.kill();  // SIGKILL: no closing question, no clean-up
    ASSERT_TRUE(crashing.waitForFinished());
    EXPECT_EQ(crashing.exitStatus(), QProcess::CrashExit);

    auto expected = ClassBook({"佐藤", "鈴木"});
    MakeUnsavedChanges(*expected);
    platform.messageAnswers = {MessageAnswer::Yes};
    window->OfferRecovery();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), offerText(file, "2025/04/07 09:30:00"));
    EXPECT_EQ(static_cast<const GradeDocument&>(Book()), static_cast<const GradeDocument&>(*expected));
    EXPECT_TRUE(Book().SavedState);
    EXPECT_EQ(window->Frame1->title(), U("2024 3年1組 佐々木　恵 生徒数（ 3名）"));

    window->mnuFileSave->trigger();
    EXPECT_EQ(readAll(file).toStdString(), encoded(*expected));
    EXPECT_TRUE(recoveryFiles().isEmpty());
}

TEST_F(Recovery, NoKeepsADatedCopyAndStartsNormally)
{
    const QString file = writeBook("3年1組.txt", {"佐藤"});
    RecoveryRecord left = copyOf(file);
    left.time = "2025/04/06 17:45:10";
    ASSERT_FALSE(WriteRecoveryCopy(left, *ClassBook({"佐藤", "鈴木"})).has_value());

    platform.messageAnswers = {MessageAnswer::No};
    window->OfferRecovery();
    EXPECT_EQ(lastMessage(), offerText(file, "2025/04/06 17:45:10"));
    EXPECT_EQ(recoveryFiles(), (QStringList{U("3年1組-20250406-174510.info"), U("3年1組-20250406-174510.txt")}));
    EXPECT_EQ(window->TreeView1->NodeCount(), 1);
    EXPECT_FALSE(window->mnuFileClose->isEnabled());

    // Offered once only.
    platform.messages.clear();
    window->OfferRecovery();
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Recovery, OpenOffersANewerCopyOfTheChosenFile)
{
    const QString file = writeBook("3年1組.txt", {"佐藤"});
    RecoveryRecord left = copyOf(file);
    left.time = "2025/04/07 08:00:00";
    ASSERT_FALSE(WriteRecoveryCopy(left, *ClassBook({"佐藤", "鈴木"})).has_value());

    // Esc: neither the copy nor the file is opened, and the copy stays.
    platform.messageAnswers = {MessageAnswer::Cancel};
    open(file);
    EXPECT_EQ(window->TreeView1->NodeCount(), 1);
    EXPECT_EQ(recoveryFiles().size(), 2);

    platform.messageAnswers = {MessageAnswer::Yes};
    open(file);
    EXPECT_EQ(Book().StudentNames[1], "鈴木");
    EXPECT_EQ(Book().CurrentFilePath, FileLayerPath(file));
    EXPECT_TRUE(window->mnuFileSave->isEnabled());
    EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(Recovery, NeverSavedBookComesBackAsANewOne)
{
    window->mnuFileNew->trigger();
    Book().TeacherName = "山田";
    Book().MarkChanged();
    ASSERT_TRUE(waitForCopies(1));
    const QStringList written = recoveryFiles();
    ASSERT_EQ(written.size(), 2);
    EXPECT_TRUE(written[0].startsWith(QStringLiteral("new-")));

    // As if this program had died: the next start finds the copy.
    QDir(path("data/recovery")).rename(written[0], QStringLiteral("new-0.recovery"));
    QDir(path("data/recovery")).rename(written[1], QStringLiteral("new-0.txt"));
    window.reset();
    Book() = std::move(*std::make_unique<GradeBook>());
    start();
    platform.messageAnswers = {MessageAnswer::Yes};
    window->OfferRecovery();
    EXPECT_EQ(lastMessage(), offerText(U(texts::kNeverSavedBook), "2025/04/07 09:30:00"));
    EXPECT_EQ(Book().TeacherName, "山田");
    EXPECT_FALSE(window->mnuFileSave->isEnabled());

    platform.fileAnswers = {path("1組.txt")};
    button(texts::kKeySave)->trigger();
    EXPECT_EQ(platform.dialogs.back().kind, DialogKind::Save);
    EXPECT_TRUE(QFile::exists(path("1組.txt")));
    EXPECT_TRUE(recoveryFiles().isEmpty());
}

TEST_F(Recovery, UnwritableFolderDoesNotDisturbEditing)
{
    QFile blocker(path("data/recovery"));
    QDir().mkpath(path("data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder belongs
    blocker.close();
    const QString file = writeBook("class.txt", {"佐藤"});
    open(file);

    Book().StudentNames[0] = "佐藤 一郎";
    Book().MarkChanged();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->sbStatusBar->currentMessage().isEmpty(); }, 5000));
    EXPECT_TRUE(window->sbStatusBar->currentMessage().startsWith(U(texts::kCannotWriteRecovery)));
    // Noted once, not at every change.
    window->sbStatusBar->clearMessage();
    Book().MarkChanged();
    QTest::qWait(RecoveryKeeper::kShortestGapMs + 100);
    EXPECT_TRUE(window->sbStatusBar->currentMessage().isEmpty());

    EXPECT_TRUE(platform.messages.empty());
    window->mnuFileSave->trigger();
    EXPECT_FALSE(Book().SavedState);
    GradeDocument saved;
    ASSERT_FALSE(ReadGradeBook(FileLayerPath(file), saved).has_value());
    EXPECT_EQ(saved.StudentNames[0], "佐藤 一郎");
}

#ifdef Q_OS_WIN
TEST_F(Recovery, TheSessionEndingWritesTheCopyAtOnceAndLetsTheBookGo)
{
    const QString file = writeBook("class.txt", {"佐藤"});
    open(file);
    EXPECT_TRUE(QFileInfo(BookLock::LockPathOf(file)).isHidden());  // the attribute, on Windows
    bool ended = false;
    EndWithTheSession(*qApp, *window, ended);
    Book().MarkChanged();
    ASSERT_TRUE(waitForCopies(1));
    Book().StudentNames[0] = "佐藤 一郎";  // within the gap: not copied yet
    Book().MarkChanged();  // then Windows asks before a logoff or a shutdown
    emit qApp->commitDataRequest(*qApp->findChild<QSessionManager*>());
    EXPECT_TRUE(ended);
    EXPECT_EQ(readAll(QString::fromStdString(copyOf(file).copyPath)).toStdString(), encoded(Book()));
    EXPECT_FALSE(QFileInfo::exists(BookLock::LockPathOf(file)));
    EXPECT_TRUE(platform.messages.empty());
}
#endif

} // namespace
} // namespace miravel::test
