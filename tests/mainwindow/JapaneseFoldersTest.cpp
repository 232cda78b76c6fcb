// A book in folders with Japanese names, as on a school PC
// (C:\Users\先生\成績\3年1組.txt): every name stays whole on its way from
// the window through the file layer and back.

#include "WindowTestSupport.h"

#include "platform/FileLayerPath.h"

#include <QDir>

namespace miravel::test {
namespace {

class JapaneseFolders : public WindowTest {};

TEST_F(JapaneseFolders, SaveKeepsTheBackupBesideAndReopenReadsTheSavedBook)
{
    start();
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("先生/成績")));
    const QString file = writeBook(QStringLiteral("先生/成績/3年1組.txt"), {"佐藤"});
    const QByteArray before = readAll(file);
    open(file);
    EXPECT_EQ(QtPath(Book().CurrentFilePath), file);
    Book().TeacherName = "田中";
    Book().MarkChanged();
    window->mnuFileSave->trigger();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(readAll(path(QStringLiteral("先生/成績/3年1組.bak"))), before);

    window->mnuFileClose->trigger();
    ASSERT_EQ(Book().TeacherName, "");
    open(file);
    EXPECT_EQ(Book().TeacherName, "田中");
    EXPECT_EQ(Book().StudentNames[0], "佐藤");
}

} // namespace
} // namespace miravel::test
