// New, Open, Save, Save As, Close and Exit: the commands each leaves on
// offer, the unsaved-changes question and what reaches the disk.

#include "file/FileTestSupport.h"
#include "WindowTestSupport.h"

#include "mainwindow/WindowCaption.h"
#include "platform/BookLock.h"
#include "platform/FileLayerPath.h"

#include <QDateTime>
#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include <deque>

namespace miravel::test {
namespace {

class FileCommands : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        start();
    }

    std::vector<bool> enabled(std::initializer_list<QAction*> items)
    {
        std::vector<bool> states;
        for (QAction* item : items)
            states.push_back(item->isEnabled());
        return states;
    }

    // The rows of the enabling table, in the order New, Open, Close, Save,
    // Save As, button "上書き保存", edit command, roster import, print.
    std::vector<bool> table()
    {
        frmMain& w = *window;
        return {w.mnuFileNew->isEnabled() && button(texts::kKeyNew)->isEnabled(),
                w.mnuFileOpen->isEnabled() && button(texts::kKeyOpen)->isEnabled(),
                w.mnuFileClose->isEnabled(),
                w.mnuFileSave->isEnabled(),
                w.mnuFileSaveAs->isEnabled(),
                button(texts::kKeySave)->isEnabled(),
                w.mnuEditProperty->isEnabled() && button(texts::kKeyEdit)->isEnabled(),
                w.mnuEditNameBook->isEnabled(),
                w.mnuFilePrint->isEnabled() && button(texts::kKeyPrint)->isEnabled()};
    }

    int askedToSave() const
    {
        int count = 0;
        for (const ShownMessage& shown : platform.messages)
            if (shown.text == U(texts::kAskSave)) {
                EXPECT_EQ(shown.buttons, MessageButtons::YesNo);
                EXPECT_EQ(shown.title, U("Miravel"));
                ++count;
            }
        return count;
    }

    QStringList filesInDir() const { return QDir(dir.path()).entryList(QDir::Files); }
};

const std::vector<bool> kNoDocument = {true, true, false, false, false, false, false, false, false};
// At start the first activation also offers the roster import.
const std::vector<bool> kStart = {true, true, false, false, false, false, false, true, false};

TEST_F(FileCommands, NewStartsAnUnregisteredClass)
{
    frmMain& w = *window;
    w.mnuFileNew->trigger();
    EXPECT_EQ(table(), (std::vector<bool>{false, false, true, false, true, true, true, true, false}));
    EXPECT_EQ(Book().SchoolYear, "未登録です");
    EXPECT_FALSE(Book().SavedState);  // nothing to lose yet
    EXPECT_EQ(Book().CurrentNodeKey, "HomeRoom");
    EXPECT_EQ(w.TreeView1->NodeCount(), 768);
    EXPECT_EQ(w.StatusHint(), U(texts::kHintNew));
    EXPECT_EQ(w.mnuEditProperty->text(), U("学級の編集(&E)"));
    EXPECT_EQ(button(texts::kKeyEdit)->iconText(), U(" 学 級 の 編 集 "));
}

TEST(NewBookFileName, YearDigitsGradeAndClass)
{
    for (const auto& [year, grade, name, file] :
         {std::array<const char*, 4>{"2026年（令和8年）", "5年", "2組", "2026_5年2組.txt"}, {"2026", "5年", "2組", "2026_5年2組.txt"},
          {"未登録です", "5年", "2組", "5年2組.txt"}, {"2026年（令和8年）", "", "", "2026.txt"}, {"", "", "", ""},
          {"2026", "5/6年", "1組", "2026_5_6年1組.txt"}})
        EXPECT_EQ(NewBookFileName(year, grade, name), U(file));
}

TEST_F(FileCommands, CloseAfterNewAsksAndNoReturnsToNoDocument)
{
    frmMain& w = *window;
    w.mnuFileNew->trigger();
    Book().MarkChanged();
    platform.messageAnswers = {MessageAnswer::No};
    w.mnuFileClose->trigger();
    EXPECT_EQ(askedToSave(), 1);
    EXPECT_EQ(table(), kNoDocument);
    EXPECT_FALSE(Book().SavedState);
    EXPECT_EQ(Book().SchoolYear, "");
    ASSERT_EQ(w.TreeView1->NodeCount(), 1);
    EXPECT_EQ(w.TreeView1->NodeByIndex(1)->text(0), U("ファイルを開いてください"));
    EXPECT_EQ(w.Frame1->title(), U("   生徒数（ 0名）"));
    EXPECT_EQ(w.StatusHint(), U(texts::kHintLoad));
    EXPECT_EQ(w.MSFlexGrid1->rowCount(), 43);
    EXPECT_TRUE(filesInDir().isEmpty());
}

TEST_F(FileCommands, ToolbarSaveAfterNewAsksForANameThenOffersSave)
{
    frmMain& w = *window;
    w.mnuFileNew->trigger();
    std::tie(Book().SchoolYear, Book().GradeLevel, Book().ClassName) = std::tuple("2026年（令和8年）", "5年", "2組");
    platform.fileAnswers = {path("2組.txt")};
    button(texts::kKeySave)->trigger();
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].pdfName, U("2026_5年2組.txt"));  // in the folder the dialog used last
    EXPECT_EQ(platform.dialogs[0].kind, DialogKind::Save);
    EXPECT_EQ(platform.dialogs[0].title, U("名前をつけて保存する"));
    EXPECT_EQ(platform.dialogs[0].filter, U("ﾃｷｽﾄﾌｧｲﾙ (*.txt)|*.txt"));
    EXPECT_EQ(readAll(path("2組.txt")).count("\r\n"), 1655);
    EXPECT_TRUE(w.mnuFileSave->isEnabled());
    EXPECT_FALSE(Book().SavedState);

    // From now on the button saves in place, without a dialog.
    Book().TeacherName = "山田";
    Book().MarkChanged();
    button(texts::kKeySave)->trigger();
    EXPECT_EQ(platform.dialogs.size(), 1u);
    EXPECT_TRUE(QFile::exists(path("2組.bak")));
}

TEST_F(FileCommands, OpenOfAClassWithStudentsOffersPrinting)
{
    frmMain& w = *window;
    open(writeBook("class.txt", {"佐藤", "鈴木", "高橋"}));
    ASSERT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(platform.dialogs[0].kind, DialogKind::Open);
    EXPECT_EQ(platform.dialogs[0].title, U("開く"));
    EXPECT_EQ(platform.dialogs[0].filter, U("ﾃｷｽﾄﾌｧｲﾙ (*.txt)|*.txt|パスワード付き成績ファイル (*.mrvl)|*.mrvl|すべてのファイル (*)|*"));
    EXPECT_EQ(table(), (std::vector<bool>{false, false, true, true, true, true, true, true, true}));
    EXPECT_EQ(w.Frame1->title(), U("2024 3年1組 山田 生徒数（ 3名）"));
    EXPECT_EQ(w.StatusHint(), U(texts::kHintClass));
    EXPECT_EQ(w.TreeView1->NodeByIndex(1)->text(0), U("2024 3年1組 山田"));  // as the caption names the class
    EXPECT_FALSE(Book().SavedState);  // as the file holds it
    EXPECT_EQ(Book().CurrentFilePath, FileLayerPath(path("class.txt")));
}

TEST_F(FileCommands, OpenOfAClassWithoutStudentsOffersTheImport)
{
    open(writeBook("empty.txt", {}));
    EXPECT_EQ(table(), (std::vector<bool>{false, false, true, true, true, true, true, true, false}));
}

TEST_F(FileCommands, CancelledOpenChangesNothing)
{
    window->mnuFileOpen->trigger();
    EXPECT_EQ(platform.dialogs.size(), 1u);
    EXPECT_EQ(table(), kStart);
    EXPECT_EQ(window->TreeView1->NodeCount(), 1);
}

TEST_F(FileCommands, FileThatIsNotAGradeBookLeavesNoDocument)
{
    frmMain& w = *window;
    const QString bad = writeCp932("notes.txt", "2024\r\n3年\r\n");
    open(bad);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(lastMessage().startsWith(U("成績ファイルとして読み込めません。"))) << lastMessage().toStdString();
    EXPECT_TRUE(lastMessage().contains(QStringLiteral("notes.txt")));
    EXPECT_GT(lastMessage().split('\n').size(), 2);  // and the reader's reason
    EXPECT_EQ(table(), kStart);
    EXPECT_EQ(w.TreeView1->NodeCount(), 1);
    EXPECT_EQ(Book().CurrentFilePath, "");
    EXPECT_EQ(Book().SchoolYear, "");
    EXPECT_FALSE(Book().SavedState);
}

TEST_F(FileCommands, CloseWithYesSavesInPlaceAndKeepsTheBackup)
{
    const QString file = writeBook("class.txt", {"佐藤"});
    const QByteArray before = readAll(file);
    open(file);
    Book().TeacherName = "田中";
    Book().MarkChanged();
    platform.messageAnswers = {MessageAnswer::Yes};
    window->mnuFileClose->trigger();
    EXPECT_EQ(askedToSave(), 1);
    EXPECT_EQ(readAll(path("class.bak")), before);
    EXPECT_TRUE(readAll(file).contains(QByteArray::fromStdString(Utf8ToCp932("田中").value())));
    EXPECT_EQ(table(), kNoDocument);
    EXPECT_EQ(Book().TeacherName, "");
}

// The teacher made the file read-only on purpose: Save refuses, Save As to
// another name still works.
TEST_F(FileCommands, SaveRefusesAReadOnlyBookAndSaveAsStillWorks)
{
    const QString file = writeBook("class.txt", {"佐藤"});
    const QByteArray before = readAll(file);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    open(file);
    Book().TeacherName = "田中";
    Book().MarkChanged();
    window->mnuFileSave->trigger();
    EXPECT_TRUE(lastMessage().startsWith(U(texts::kCannotSave)));
    EXPECT_TRUE(lastMessage().contains(U("読み取り専用")));
    EXPECT_EQ(readAll(file), before);
    EXPECT_TRUE(Book().SavedState);

    platform.fileAnswers.push_back(path("copy.txt"));
    window->mnuFileSaveAs->trigger();
    EXPECT_TRUE(readAll(path("copy.txt")).contains(QByteArray::fromStdString(Utf8ToCp932("田中").value())));
    EXPECT_FALSE(Book().SavedState);
}

TEST_F(FileCommands, ASaveWithoutItsBackupSaysSoInTheStatusBar)
{
    const QString file = writeBook("class.txt", {"佐藤"});
    QDir(dir.path()).mkdir("class.bak"); // no backup can be put there
    open(file);
    Book().TeacherName = "田中";
    window->mnuFileSave->trigger();
    EXPECT_EQ(window->StatusHint(), U(texts::kBackupMissing));
    EXPECT_TRUE(readAll(file).contains(QByteArray::fromStdString(Utf8ToCp932("田中").value())));
    EXPECT_FALSE(Book().SavedState);
}

TEST_F(FileCommands, ChangeAfterSaveIsAskedAboutAgain)
{
    open(writeBook("class.txt", {"佐藤"}));
    window->mnuFileSave->trigger();
    EXPECT_FALSE(Book().SavedState);
    // Nothing changed since the save: closing does not ask.
    window->mnuFileClose->trigger();
    EXPECT_EQ(askedToSave(), 0);

    open(path("class.txt"));
    window->mnuFileSave->trigger();
    Book().StudentNames[1] = "鈴木";  // an editor registers a change
    Book().MarkChanged();
    platform.messageAnswers = {MessageAnswer::No};
    window->mnuFileClose->trigger();
    EXPECT_EQ(askedToSave(), 1);
}

// Yes and then a cancelled save dialog, or Esc on the question itself:
// the teacher has not let go of the work, so Close and Exit are abandoned.
TEST_F(FileCommands, CloseAndExitAreAbandonedWithoutADecision)
{
    struct Case {
        const char* name;
        bool exit;
        std::deque<MessageAnswer> answers;
        std::size_t dialogs;
    };
    const Case cases[] = {
        {"Close, Yes, cancelled Save As", false, {MessageAnswer::Yes}, 1},
        {"Exit, Yes, cancelled Save As", true, {MessageAnswer::Yes}, 1},
        {"Close, Esc", false, {MessageAnswer::Cancel}, 0},
        {"Exit, Esc", true, {MessageAnswer::Cancel}, 0},
    };
    window->mnuFileNew->trigger();
    Book().TeacherName = "山田";
    Book().MarkChanged();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.dialogs.clear();
        platform.messageAnswers = c.answers;
        (c.exit ? window->mnuFileExit : window->mnuFileClose)->trigger();
        EXPECT_EQ(platform.dialogs.size(), c.dialogs);
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(Book().SavedState);
        EXPECT_EQ(Book().TeacherName, "山田");
        EXPECT_TRUE(window->mnuFileClose->isEnabled());
        EXPECT_TRUE(filesInDir().isEmpty());
    }
    EXPECT_EQ(askedToSave(), 4);
}

TEST_F(FileCommands, RosterImportedBeforeAnyFileIsSavedUnderANameAtExit)
{
    const QString names = writeCp932("names.csv", "佐藤;鈴木\r\n");
    platform.fileAnswers = {names};
    window->mnuEditNameBook->trigger();
    ASSERT_EQ(Book().StudentCount, 2);
    ASSERT_FALSE(window->mnuFileSave->isEnabled() || window->mnuFileSaveAs->isEnabled());

    // Yes asks for a name; cancelling it keeps the names in the window.
    platform.messageAnswers = {MessageAnswer::Yes};
    window->mnuFileExit->trigger();
    EXPECT_TRUE(window->isVisible());

    platform.messageAnswers = {MessageAnswer::Yes};
    platform.fileAnswers = {path("名簿.txt")};
    window->mnuFileExit->trigger();
    EXPECT_EQ(askedToSave(), 2);
    EXPECT_EQ(platform.dialogs.back().kind, DialogKind::Save);
    EXPECT_FALSE(window->isVisible());
    GradeDocument saved;
    ASSERT_FALSE(ReadGradeBook(FileLayerPath(path("名簿.txt")), saved).has_value());
    EXPECT_EQ(saved.StudentNames[0], "佐藤");
    EXPECT_EQ(saved.StudentNames[1], "鈴木");
}

// Writing the table or the book over the open book or its backup would
// replace the teacher's file with something else.
TEST_F(FileCommands, TableAndSaveAsMayNotReplaceTheOpenBookOrItsBackup)
{
    const QString book = writeBook("3年1組.txt", {"佐藤"});
    open(book);
    Book().TeacherName = "田中";
    Book().MarkChanged();
    window->mnuFileSave->trigger();  // makes 3年1組.bak
    const QByteArray bookBytes = readAll(book), backupBytes = readAll(path("3年1組.bak"));
    struct Case {
        QAction* command;
        QString target;
        const char* refusal;
    };
    const Case cases[] = {
        {window->mnuCSVSaveAs, book, texts::kCsvOntoBook},
        {window->mnuCSVSaveAs, path("3年1組.bak"), texts::kCsvOntoBackup},
        {window->mnuCSVSaveAs, path("sub/../3年1組.txt"), texts::kCsvOntoBook},
        {window->mnuFileSaveAs, path("3年1組.bak"), texts::kSaveOntoBackup},
    };
    QDir(dir.path()).mkdir("sub");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        platform.messages.clear();
        platform.fileAnswers = {c.target};
        c.command->trigger();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(lastMessage(), U(c.refusal));
        EXPECT_EQ(readAll(book), bookBytes);
        EXPECT_EQ(readAll(path("3年1組.bak")), backupBytes);
        EXPECT_EQ(Book().CurrentFilePath, FileLayerPath(book));
    }
    // Beside the book under another name the table is written as before.
    platform.fileAnswers = {path("3年1組.csv")};
    window->mnuCSVSaveAs->trigger();
    EXPECT_FALSE(readAll(path("3年1組.csv")).isEmpty());
}

// A backup opened as a book saves only through Save As, which offers its
// book's name: the book comes back from its backup.
TEST_F(FileCommands, ABackupIsOfferedItsBooksNameToSaveUnder)
{
    open(writeBook("3年1組.bak", {"佐藤"}));
    EXPECT_FALSE(window->mnuFileSave->isEnabled());
    platform.fileAnswers = {path("3年1組.txt")};
    window->mnuFileSaveAs->trigger();
    EXPECT_EQ(platform.suggestedNames.back(), path("3年1組.txt"));
    EXPECT_EQ(Book().CurrentFilePath, FileLayerPath(path("3年1組.txt")));
    EXPECT_TRUE(window->mnuFileSave->isEnabled());
}

TEST_F(FileCommands, NameTypedWithoutExtensionIsSavedAsTxtAndTheCaptionNamesTheFile)
{
    const auto caption = [this] { return ShownCaption(window->windowTitle(), window->isWindowModified()); };
    window->mnuFileNew->trigger();
    EXPECT_EQ(caption(), U("Miravel Ver1.2.2"));
    platform.fileAnswers = {path("abc")};
    window->mnuFileSaveAs->trigger();
    EXPECT_TRUE(QFile::exists(path("abc.txt")));
    EXPECT_EQ(caption(), U("abc.txt - Miravel Ver1.2.2"));
    Book().MarkChanged();
    EXPECT_EQ(caption(), U("abc.txt* - Miravel Ver1.2.2"));
    window->mnuFileClose->trigger();  // answered No
    EXPECT_EQ(caption(), U("Miravel Ver1.2.2"));

    // A book opened and left unchanged: Exit asks nothing.
    open(path("abc.txt"));
    EXPECT_EQ(NavigationTree::NodeKey(window->TreeView1->currentItem()), U("HomeRoom"));
    window->mnuFileExit->trigger();
    EXPECT_EQ(askedToSave(), 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FileCommands, FailedSaveAsKeepsTheWorkUnsaved)
{
    window->mnuFileNew->trigger();
    Book().MarkChanged();
    platform.fileAnswers = {path("missing-folder/class.txt")};
    window->mnuFileSaveAs->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(lastMessage().startsWith(U(texts::kCannotSave)));
    EXPECT_TRUE(Book().SavedState);
    EXPECT_FALSE(window->mnuFileSave->isEnabled());
    EXPECT_EQ(Book().CurrentFilePath, "");
}

TEST_F(FileCommands, CloseAndExitStayWhenTheWantedSaveFails)
{
    open(writeBook("class.txt", {"佐藤"}));
    Book().CurrentFilePath = path("removed-stick/class.txt").toStdString(); // the folder went away
    Book().MarkChanged();
    platform.messageAnswers = {MessageAnswer::Yes};
    window->mnuFileClose->trigger();
    EXPECT_EQ(askedToSave(), 1);
    EXPECT_TRUE(lastMessage().startsWith(U(texts::kCannotSave)));
    EXPECT_EQ(Book().StudentNames[0], "佐藤");
    EXPECT_TRUE(Book().SavedState);
    EXPECT_TRUE(window->mnuFileClose->isEnabled());

    platform.messageAnswers = {MessageAnswer::Yes};
    window->mnuFileExit->trigger();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Book().StudentNames[0], "佐藤");

    // Answering No leaves as before.
    platform.messageAnswers = {MessageAnswer::No};
    window->mnuFileExit->trigger();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FileCommands, FileNamedAtStartOpensAsOpenDoes)
{
    EXPECT_TRUE(window->openFile(writeBook("class.txt", {"佐藤", "鈴木"})));
    EXPECT_TRUE(platform.dialogs.empty());
    EXPECT_EQ(window->TreeView1->NodeCount(), 768);
    EXPECT_EQ(window->Frame1->title(), U("2024 3年1組 山田 生徒数（ 2名）"));
    EXPECT_FALSE(window->openFile(path("nowhere.txt")));
    EXPECT_EQ(Book().StudentCount, 2);
}

// One book, one window: a book another window holds opens read-only or not
// at all; a lock its program left behind when it ended is taken over.
TEST_F(FileCommands, ABookOpenInAnotherWindowOpensReadOnlyOrNotAtAll)
{
    const QString file = writeBook("class.txt", {"佐藤"});
    QFile other(BookLock::LockPathOf(file));  // another program's, still running
    ASSERT_TRUE(other.open(QIODevice::WriteOnly) && other.write(QByteArray::number(otherRunningProcess()) + "\nm\n\n"));
    other.close();
    const struct {
        MessageAnswer answer;
        bool opened;
    } cases[] = {{MessageAnswer::No, false}, {MessageAnswer::Yes, true}};
    for (const auto& c : cases) {
        platform.messageAnswers = {c.answer};
        open(file);
        EXPECT_EQ(lastMessage(), U(texts::kOpenedElsewhere));
        EXPECT_EQ(window->mnuFileClose->isEnabled(), c.opened);
    }
    EXPECT_FALSE(window->mnuFileSave->isEnabled());
    EXPECT_TRUE(window->mnuFileSaveAs->isEnabled());
    EXPECT_TRUE(window->windowTitle().endsWith(U(texts::kReadOnlyCaption)));
}

TEST_F(FileCommands, ALockLeftByAProgramThatEndedIsTakenOver)
{
    const QString file = writeBook("class.txt", {"佐藤"});
    const QString lockPath = BookLock::LockPathOf(file);
    QByteArray lock;
    {
        QLockFile mine(lockPath);
        ASSERT_TRUE(mine.tryLock(0));
        lock = readAll(lockPath);
    }
    QProcess ended; // its process id names no running program once it has finished
#ifdef _WIN32
    ended.start(QStringLiteral("cmd"), {QStringLiteral("/c"), QStringLiteral("exit")});
#else
    ended.start(QStringLiteral("sleep"), {QStringLiteral("0.1")});
#endif
    ASSERT_TRUE(ended.waitForStarted());
    lock.replace(0, lock.indexOf('\n'), QByteArray::number(ended.processId()));
    ASSERT_TRUE(ended.waitForFinished());
    QFile stale(lockPath);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(lock);
    stale.close();

    open(file);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(window->mnuFileSave->isEnabled());
    QLockFile second(lockPath);
    second.setStaleLockTime(0);
    EXPECT_FALSE(second.tryLock(0)); // this window holds the book now
}

TEST_F(FileCommands, SaveAsksBeforeReplacingABookAnotherProgramChanged)
{
    const QString file = writeBook("class.txt", {"佐藤"});
    open(file);
    const struct {
        MessageAnswer answer;
        bool replaced, sameSize;
    } cases[] = {{MessageAnswer::No, false, false}, {MessageAnswer::Yes, true, false}, {MessageAnswer::Yes, true, true}};
    for (const auto& c : cases) {
        QByteArray changed = c.sameSize ? readAll(file) : "changed by another program " + QByteArray::number(c.replaced);
        changed[0] = changed[0] == '1' ? '2' : '1';  // rewritten in place, only its time tells
        QFile other(file);
        ASSERT_TRUE(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
        other.write(changed);
        other.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
        other.close();
        platform.messageAnswers = {c.answer};
        window->mnuFileSave->trigger();
        EXPECT_EQ(lastMessage(), U(texts::kChangedOnDisk));
        EXPECT_EQ(readAll(file) != changed, c.replaced);
    }
    const std::size_t asked = platform.messages.size();
    window->mnuFileSave->trigger(); // unchanged since this save
    EXPECT_EQ(platform.messages.size(), asked);
}

} // namespace
} // namespace miravel::test
