// Undo and redo through the main window, one case per kind of step, and
// the versions kept by its saves.

#include "editors/Editors.h"
#include "editors/criteria/FormSemesterSpec.h"
#include "editors/criteria/FormSubjectSpec.h"
#include "editors/evaluation/FormEvaluationMethod.h"
#include "editors/homeroom/FormHomeRoom.h"
#include "editors/testspec/FormTestSpec.h"
#include "file/CompanionFile.h"
#include "file/SavedVersions.h"
#include "mainwindow/WindowTestSupport.h"
#include "platform/FileLayerPath.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

namespace miravel::test {
namespace {

class UndoSteps : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform.dataFolder = path("data");
        start();
        RegisterEditors(*window);
        open(writeBook("class.txt", {"佐藤", "鈴木", "高橋"}));
    }

    static std::string bytes()
    {
        std::string encoded;
        EXPECT_FALSE(EncodeGradeBook(Book(), encoded).has_value());
        return encoded;
    }

    // The edit command on node `key` (or `command`); the editor it opened.
    template <class Form>
    Form* edit(const char* key, QAction* command = nullptr)
    {
        if (key)
            clickKey(key);
        (command ? command : window->mnuEditProperty)->trigger();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<Form*>(widget); form && form->isVisible())
                return form;
        ADD_FAILURE() << "no editor for " << key;
        return nullptr;
    }

    static void settle()  // the closed editor is gone
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};

TEST_F(UndoSteps, EachKindOfStepIsUndoneAndRedoneWhole)
{
    // Each case makes its change in an editor and gives the button that closes it.
    FormHomeRoom* room = nullptr;
    const std::pair<const char*, std::function<QPushButton*()>> cases[] = {
        {"元に戻す：学級の登録", [&] { (room = edit<FormHomeRoom>("HomeRoom"))->Text1->setText(U("田中")); return room->Command1; }},
        {"元に戻す：出席番号 1 の転出", [&] {
             platform.messageAnswers.push_back(MessageAnswer::Yes);
             (room = edit<FormHomeRoom>("HomeRoom"))->Command5->click();
             return room->Command2; }},  // the confirmed transfer-out stays
        {"元に戻す：国語 一学期 第 2回 試験の登録", [&] {
             auto* form = edit<FormTestSpec>("2 0 0 1");
             return form->Text1->setText(U("漢字")), form->Command1; }},
        {"元に戻す：こくご 通年の評定基準の登録", [&] {  // with the test titles renamed after it
             auto* form = edit<FormSubjectSpec>("0 0");
             return form->Combo1->setEditText(U("こくご")), form->Command1; }},
        {"元に戻す：算数 二学期の評定基準の登録", [&] {
             auto* form = edit<FormSemesterSpec>("1 1 1");
             return form->Text1->setText(U("2")), form->Command1; }},
    };
    for (const auto& [caption, step] : cases) {
        const std::string before = bytes();
        step()->click();
        settle();
        const std::string after = bytes();
        EXPECT_NE(before, after) << caption;
        EXPECT_EQ(window->mnuEditUndo->text(), U(caption));
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(bytes(), before) << caption;
        EXPECT_EQ(NavigationTree::NodeKey(window->TreeView1->currentItem()).toStdString(), Book().CurrentNodeKey);
        EXPECT_TRUE(Book().SavedState && window->isWindowModified());  // changed, and the caption says so
        QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(bytes(), after) << caption;
    }
}

// Each editor's 登録, undone and done again, keeps every section of the
// settings file it does not own, down to one this version does not read.
TEST_F(UndoSteps, EveryRegistrationKeepsTheSettingsItDoesNotOwn)
{
    const QString file = writeBook("whole.txt", {"佐藤", "鈴木", "高橋"});
    const std::string written = "[criterion]\ns2v2=85/40\n[grade]\na3=2.6\n[check]\nn2=ABA2\n[students]\ncode1=S1\n"
                                "account1=s1@example.jp\ncode3=S3\naccount3=s3@example.jp\n[future]\nkey=kept\n";
    writeCp932("whole.miravel", written);  // ASCII: the same bytes in UTF-8
    ASSERT_TRUE(window->openFile(file));
    EvaluationSettings whole;
    ASSERT_FALSE(ParseEvaluationSettings(written, whole));
    const std::string text = EvaluationSettingsText(whole);
    ASSERT_EQ(text.substr(text.find("[check]")), "[check]\nn2=ABA2\n\n[students]\ncode1=S1\naccount1=s1@example.jp\n"
                                                "code3=S3\naccount3=s3@example.jp\n\n[future]\nkey=kept\n");
    whole.Mode = EvaluationMode::Criterion;
    whole.Terms = 2;
    const std::string method = EvaluationSettingsText(whole);  // 目標準拠評価 and 2学期制, registered last
    const std::function<QPushButton*()> steps[] = {
        [&] { return edit<FormHomeRoom>("HomeRoom")->Command1; },
        [&] { auto* form = edit<FormTestSpec>("2 0 0 1"); return form->Text1->setText(U("漢字")), form->Command1; },
        [&] { auto* form = edit<FormSubjectSpec>("0 0"); return form->Combo1->setEditText(U("こくご")), form->Command1; },
        [&] { auto* form = edit<FormSemesterSpec>("1 1 1"); return form->Text1->setText(U("2")), form->Command1; },
        [&] { auto* form = edit<FormEvaluationMethod>(nullptr, window->mnuEditEvaluation);
              return form->optCriterion->setChecked(true), form->optTwoTerms->setChecked(true), form->Command1; },
    };
    auto held = [] { return EvaluationSettingsText(Book().Evaluation); };
    for (const auto& step : steps) {
        EXPECT_EQ(held(), text);
        step()->click();
        settle();
    }
    EXPECT_EQ(held(), method);
    while (window->mnuEditUndo->isEnabled())
        window->mnuEditUndo->trigger();
    EXPECT_EQ(held(), text);
    while (window->mnuEditRedo->isEnabled())
        window->mnuEditRedo->trigger();
    window->mnuFileSave->trigger();
    EXPECT_EQ(readAll(path("whole.miravel")).toStdString(), method);
}

TEST_F(UndoSteps, RosterImportIsAStepAndCloseClearsTheHistory)
{
    platform.messageAnswers.push_back(MessageAnswer::No);
    window->mnuFileClose->trigger();
    window->mnuFileNew->trigger();  // the history starts at the new book, not the closed one
    const std::string fresh = bytes();
    platform.fileAnswers.push_back(writeCp932("names.csv", "青木;井上\r\n"));
    window->mnuEditNameBook->trigger();
    window->mnuEditUndo->trigger();
    EXPECT_EQ(bytes(), fresh);
    EXPECT_EQ(window->mnuEditRedo->text(), U("やり直し：生徒名簿の読み込み"));
    window->mnuEditRedo->trigger();
    platform.messageAnswers.push_back(MessageAnswer::No);
    window->mnuFileClose->trigger();
    EXPECT_EQ(window->mnuEditUndo->text(), U("元に戻す"));
    EXPECT_FALSE(window->mnuEditUndo->isEnabled() || window->mnuEditRedo->isEnabled());
}

TEST_F(UndoSteps, SavesKeepVersionsAndOpeningOneChangesNothingOnDisk)
{
    const QString file = path("class.txt");
    const QByteArray opened = readAll(file);
    edit<FormHomeRoom>("HomeRoom")->Command1->click();
    settle();
    window->mnuFileSave->trigger();
    const auto versions = ListVersions(VersionFolderOf(VersionsRoot(FileLayerPath(path("data"))),
                                                       FileLayerPath(file)));
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(versions[0].description, "学級の登録");
    const QString version = QtPath(versions[0].path);
    EXPECT_EQ(readAll(version), opened);

    const QByteArray saved = readAll(file);
    clickKey("2 0 0 0");  // a test table, which the opened version must not keep
    ASSERT_TRUE(window->openVersion(version));
    EXPECT_EQ(cell(0, 2), QString());
    EXPECT_FALSE(window->mnuFileSave->isEnabled());  // a new book without a name
    EXPECT_TRUE(readAll(file) == saved && readAll(version) == opened);
}

} // namespace
} // namespace miravel::test
