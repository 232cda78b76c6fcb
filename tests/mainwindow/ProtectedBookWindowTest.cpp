// A book given a password in the window: no copy of it is ever plain.

#include "WindowTestSupport.h"

#include "mainwindow/ProtectionTexts.h"
#include "mainwindow/RecoveryKeeper.h"
#include "platform/BookLock.h"

#include <QDirIterator>

namespace miravel::test {
namespace {

const std::vector<std::string> kNames = {"山田 花子", "田中 一郎", "佐藤 次郎", "鈴木 三郎"};

// The files under `folder`: none holds a name in UTF-8, code page 932 or UTF-16.
int ExpectNoNameIn(const QString& folder)
{
    int files = 0;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext(); ++files) {
        QFile file(it.next());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        for (const std::string& name : kNames) {
            const QString text = QString::fromStdString(name);
            for (const QByteArray& form : {QByteArray::fromStdString(name), QByteArray::fromStdString(*Utf8ToCp932(name)),
                                           QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2)})
                EXPECT_FALSE(bytes.contains(form)) << it.filePath().toStdString() << " " << name;
        }
    }
    return files;
}

TEST_F(WindowTest, AProtectedBookItsBackupRecoveryCopyAndVersionsAreAllSealed)
{
    platform.dataFolder = path(QStringLiteral("data"));
    start().SetNewKeyCost(LowestKdfCost());
    const QString plain = writeBook(QStringLiteral("3年1組.txt"), {kNames[0], kNames[1]});
    open(plain);
    const QString sealed = path(QStringLiteral("3年1組.mrvl"));
    platform.passwordSettingsAnswers.push_back({PasswordAction::Set, QString(), U("password1")});
    platform.fileAnswers.push_back(sealed);
    platform.messageAnswers.push_back(MessageAnswer::Yes);  // the plain book goes
    window->mnuFilePassword->trigger();
    EXPECT_TRUE(window->windowTitle().startsWith(U("3年1組.mrvl（保護）")));
    EXPECT_FALSE(QFile::exists(plain));
    for (int student : {2, 3}) {
        Book().StudentNames[student] = kNames[static_cast<std::size_t>(student)];
        Book().StudentCount = static_cast<Integer>(student + 1);
        Book().MarkChanged("学級の登録");  // the recovery copy is written at once
        EXPECT_GE(ExpectNoNameIn(dir.path()), 2);
        window->mnuFileSave->trigger();
    }
    EXPECT_EQ(window->Recovery().CopiesWritten(), 2);
    // The book, its backup and two versions (a book file and a record each).
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("3年1組.mrvl.bak"))));
    EXPECT_GE(ExpectNoNameIn(dir.path()), 6);
    // Opening asks again after a wrong password.
    window->mnuFileClose->trigger();
    platform.passwordAnswers = {U("password2"), U("password1")};
    open(sealed);
    EXPECT_EQ(lastMessage(), U(texts::kWrongPassword));
    EXPECT_EQ(Book().StudentNames[3], kNames[3]);
}

// A sealed book saved twice: its backup holds the first save.
void WriteSealedTwice(const QString& file)
{
    FileResult error;
    const auto key = BookKey::Create("password1", LowestKdfCost(), error);
    auto book = ClassBook({kNames[0]});
    SaveReport report;
    EXPECT_FALSE(WriteProtectedBook(FileLayerPath(file), *book, *key, report));
    book->StudentNames[1] = kNames[1];
    EXPECT_FALSE(WriteProtectedBook(FileLayerPath(file), *book, *key, report));
}

// The second wrong password names a rewritten file too; after the third the backup is offered.
TEST_F(WindowTest, WrongPasswordsLeadToTheBackup)
{
    start();
    const QString sealed = path(QStringLiteral("3年1組.mrvl"));
    WriteSealedTwice(sealed);
    platform.passwordAnswers = {U("a"), U("b"), U("c"), U("password1")};
    platform.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Yes};
    open(sealed);
    const QString wrong = U(kWrongPasswordText), both = wrong + U("\n") + U(kTamperedHintText);
    QStringList said;
    for (const ShownMessage& shown : platform.messages)
        said << shown.text;
    EXPECT_EQ(said.join(U("|")), QStringList({wrong, both, both, U("パスワードが3回違いました。代わりにバックアップ（") +
                                                  DisplayPath(FileLayerPath(sealed) + ".bak") + U("）を開きますか？")}).join(U("|")));
    EXPECT_EQ(std::make_tuple(Book().StudentNames[0], Book().StudentNames[1], Book().CurrentFilePath),
              std::make_tuple(kNames[0], std::string(), std::string()));  // the backup, as a book without a name
}

// A sealed copy older than one opened here before is said, and opened only with 開く.
TEST_F(WindowTest, AnOlderSealedCopyIsNoticedBeforeItOpens)
{
    platform.dataFolder = path(QStringLiteral("data"));
    start();
    const QString sealed = path(QStringLiteral("3年1組.mrvl"));
    WriteSealedTwice(sealed);
    QFile::setPermissions(sealed, QFile::ReadOwner | QFile::WriteOwner);
    platform.passwordAnswers = {U("password1")};
    open(sealed);
    EXPECT_TRUE(platform.messages.empty());
#ifndef _WIN32 // Windows has no permission bits to take
    EXPECT_EQ(QFile::permissions(BookLock::LockPathOf(sealed)) & (QFile::ReadGroup | QFile::ReadOther), 0);  // as private as the book
#endif
    window->mnuFileClose->trigger();
    ASSERT_TRUE(QFile::remove(sealed) && QFile::copy(sealed + U(".bak"), sealed));  // the older save
    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Yes}) {
        platform.messages.clear();
        platform.passwordAnswers = {U("password1")};
        platform.messageAnswers = {answer};
        open(sealed);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_TRUE(platform.messages[0].text.startsWith(U("このファイルは、このパソコンで前に開いたものより古い版です（保存日時 ")));
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::OpenCancel);
        EXPECT_EQ(Book().CurrentFilePath, answer == MessageAnswer::Yes ? FileLayerPath(sealed) : std::string());
    }
}

} // namespace
} // namespace miravel::test
