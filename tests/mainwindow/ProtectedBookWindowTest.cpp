// A book given a password in the window: no copy of it is ever plain.

#include "WindowTestSupport.h"

#include "mainwindow/ProtectionTexts.h"
#include "mainwindow/RecoveryKeeper.h"

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
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("3年1組.bak"))));
    EXPECT_GE(ExpectNoNameIn(dir.path()), 6);
    // Opening asks again after a wrong password.
    window->mnuFileClose->trigger();
    platform.passwordAnswers = {U("password2"), U("password1")};
    open(sealed);
    EXPECT_EQ(lastMessage(), U(texts::kWrongPassword));
    EXPECT_EQ(Book().StudentNames[3], kNames[3]);
}

} // namespace
} // namespace miravel::test
