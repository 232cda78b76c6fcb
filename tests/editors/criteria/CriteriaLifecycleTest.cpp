// Both criteria editors over time: activation from another window of the
// program, printing the stored counts, and every way out handing the main
// window back.

#include "CriteriaWindowTestSupport.h"
#include "editors/criteria/CriteriaGraphPages.h"
#include "file/ProtectedBook.h"
#include "mainwindow/ProtectionTexts.h"
#include "mainwindow/StudentSheetPrintCommand.h"
#include "mainwindow/TablePrintCommand.h"
#include "platform/Twips.h"
#include "print/PdfText.h"

#include <QDialog>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

#include <functional>

namespace miravel::test {
namespace {

using CriteriaLifecycleTest = CriteriaTest;

void Activate(QWidget* widget)
{
    widget->activateWindow();
    QTRY_VERIFY(widget->isActiveWindow());
}

TEST_F(CriteriaLifecycleTest, ReactivationRefillsOnlyTheSemesterEditor)
{
    useClass(30, 12, 4);
    auto* subject = show<FormSubjectSpec>();
    auto* semester = show<FormSemesterSpec>();
    QWidget programWindow;
    programWindow.show();
    QDialog dialog;
    dialog.show();

    // Coming back from a dialog (a message box, the printer dialog) does
    // not count.
    Activate(semester);
    type(semester->Text1, "20");
    Activate(&dialog);
    Activate(semester);
    EXPECT_EQ(semester->Text1->text(), U("20"));

    Activate(&programWindow);
    Activate(semester);
    EXPECT_EQ(semester->Text1->text(), U(" 12"));
    EXPECT_EQ(semester->Label4->text(), U(" 14"));

    // The year-round editor keeps the typed counts but draws the stored ones.
    Activate(subject);
    type(subject->Text1, "20");
    EXPECT_EQ(subject->Graph(0).items, ScreenGraph(Book(), kYearRoundPeriod, 0, 0, 20, 4).items);
    Activate(&programWindow);
    Activate(subject);
    EXPECT_EQ(subject->Text1->text(), U("20"));
    EXPECT_EQ(subject->Graph(0).items, ScreenGraph(Book(), kYearRoundPeriod, 0, 0, 12, 4).items);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CriteriaLifecycleTest, PrintingUsesTheStoredCounts)
{
    if (QStandardPaths::findExecutable(QStringLiteral(MIRAVEL_PDFTOTEXT)).isEmpty() &&
        !QFileInfo(QStringLiteral(MIRAVEL_PDFTOTEXT)).isFile())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    useClass(30, 12, 4);
    // Thirty different values: the counts line shows the letters of the stored counts.
    for (int n = 0; n < 30; ++n)
        Book().Scores[YearRoundSlot(0, 0)][n] = Book().Scores[SemesterSummarySlot(0, 0, 0)][n] = 40.5f + n;
    const struct {
        bool semester;
        const char* title;
    } cases[] = {{false, "国語 通年の集計グラフ"}, {true, "国語 一学期の集計グラフ"}};
    for (const auto& c : cases) {
        CriteriaWindow* form = c.semester ? static_cast<CriteriaWindow*>(show<FormSemesterSpec>())
                                          : show<FormSubjectSpec>();
        type(form->findChild<QLineEdit*>(), "20");
        const QString pdf = path(c.semester ? U("semester.pdf") : U("year.pdf"));
        platform.Printer().setOutputFileName(pdf);
        platform.dialogAnswers.push_back(true);
        form->Command3->click();
        const QString text = QString::fromStdString(PdfText(pdf.toStdString()));
        EXPECT_TRUE(text.contains(U(c.title))) << text.toStdString();
        EXPECT_TRUE(text.contains(U("2025/04/07")));
        EXPECT_TRUE(text.contains(U("Miravel Ver1.2.0")));
        EXPECT_TRUE(text.contains(U("2024 3年1組 山田 生徒数（ 30名）")));
        EXPECT_TRUE(text.contains(U("A: 12人"))) << text.toStdString();
        EXPECT_FALSE(text.contains(U("A: 20人")));
        EXPECT_EQ(platform.Printer().pageLayout().orientation(), QPageLayout::Portrait);
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CriteriaLifecycleTest, CancelledPrintLeavesEverythingAsItWas)
{
    useClass(30);
    auto* form = show<FormSubjectSpec>();
    const QString pdf = path(U("never.pdf"));
    platform.Printer().setOutputFileName(pdf);
    form->Command3->click();  // the dialog is cancelled
    EXPECT_EQ(platform.dialogs.size(), 1u);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(form->isVisible());
}

// Whatever leaves a protected book in plain asks first, the criteria graphs
// too; No writes and prints nothing.
TEST_F(CriteriaLifecycleTest, EveryPlainWayOutOfAProtectedBookAsksFirst)
{
    window->SetNewKeyCost(LowestKdfCost());
    RegisterTablePrinting(*window);
    RegisterSheetPrinting(*window);
    open(writeBook(U("class.txt"), Names(30)));
    platform.passwordSettingsAnswers.push_back({PasswordAction::Set, QString(), U("password1")});
    platform.fileAnswers.push_back(path(U("class.mrvl")));
    platform.messageAnswers.push_back(MessageAnswer::Yes);  // the plain book goes
    window->mnuFilePassword->trigger();                      // the class is shown
    const auto refused = [this](const std::string& what, const std::function<void()>& command) {
        platform.messages.clear();
        platform.dialogs.clear();
        platform.messageAnswers = {MessageAnswer::No};
        command();
        EXPECT_EQ(lastMessage(), U(texts::kPlainExport)) << what;
        EXPECT_TRUE(platform.dialogs.empty()) << what;
    };
    for (QAction* command : {window->mnuCSVSaveAs, window->mnuFileHandoff, window->mnuFilePrint, window->mnuFilePrintSheets}) {
        ASSERT_TRUE(command->isEnabled()) << command->objectName().toStdString();
        refused(command->objectName().toStdString(), [command] { command->trigger(); });
    }
    clickKey("0 0");
    window->mnuEditProperty->trigger();
    CriteriaWindow* form = opened<CriteriaWindow>();
    ASSERT_NE(form, nullptr);
    refused("Command3", [form] { form->Command3->click(); });
    EXPECT_TRUE(form->isVisible());
}

TEST_F(CriteriaLifecycleTest, EveryWayOutHandsTheMainWindowBack)
{
    open(writeBook(U("class.txt"), Names(30)));
    const GradeDocument before = Book();
    Book().SavedState = false;
    const struct {
        const char* node;
        const char* how;
    } cases[] = {{"0 0", "ｷｬﾝｾﾙ"}, {"0 0", "frame"}, {"0 0", "Esc"}, {"1 0 2", "ｷｬﾝｾﾙ"}, {"1 0 2", "frame"}};
    for (const auto& c : cases) {
        clickKey(c.node);
        window->mnuEditProperty->trigger();
        CriteriaWindow* form = opened<CriteriaWindow>();
        ASSERT_NE(form, nullptr) << c.node;
        ASSERT_FALSE(window->isEnabled());
        EXPECT_LE((form->geometry().center() - window->geometry().center()).manhattanLength(), 10) << c.node;
        type(form->findChild<QLineEdit*>(), "3");
        const QString how = U(c.how);
        platform.messageAnswers = {MessageAnswer::Yes};  // "3" is dropped
        if (how == U("frame"))
            form->close();
        else if (how == U("Esc"))
            QTest::keyClick(form->findChild<QLineEdit*>(), Qt::Key_Escape);
        else
            form->Command2->click();
        EXPECT_TRUE(window->isEnabled()) << c.node << " " << c.how;
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(platform.messages.size(), how == U("frame") ? 0u : 1u) << c.how;  // a closing main window does not ask
        platform.messages.clear();
        QTest::qWait(0);
        // The keyboard comes back to the main window, also without a window manager to hand it over.
        EXPECT_TRUE(window->isActiveWindow()) << c.node << " " << c.how;
    }
    EXPECT_TRUE(static_cast<const GradeDocument&>(Book()) == before);
    EXPECT_FALSE(Book().SavedState);
}

TEST_F(CriteriaLifecycleTest, SemesterEditorCaptionsAndFill)
{
    useClass(35, 12, 4);
    Book().CurrentSemester = 2;
    Book().RankCountA[2][1] = 10;
    auto* form = show<FormSemesterSpec>();
    EXPECT_EQ(form->windowTitle(), U("国語の三学期の評定基準の作成"));
    EXPECT_EQ(form->Frame2->title(), U("理解の評定基準"));
    EXPECT_EQ(form->Text3->text(), U(" 10"));
    EXPECT_EQ(form->Text4->text(), U(" 4"));
    EXPECT_EQ(form->Label11->text(), U(" 21"));
    EXPECT_EQ(form->Text4->accessibleName(), U("理解のCランク"));
}

TEST_F(CriteriaLifecycleTest, LongNamesKeepTheGraphTitlesInsideTheWindow)
{
    useClass(30, 12, 4);
    Book().SubjectTable[0][3] = "関心・意欲・態度と生活の中での言葉の使い方";
    const QString title = U("国語 関心・意欲・態度と生活の中での言葉の使い方 平均点の集計グラフ");
    for (bool semester : {false, true}) {
        CriteriaWindow* form = semester ? static_cast<CriteriaWindow*>(show<FormSemesterSpec>())
                                        : show<FormSubjectSpec>();
        const int titleLeft = TwipsToPixels(kScreenGraphLeft + 1200, form->logicalDpiX());
        EXPECT_GE(form->width(), titleLeft + form->fontMetrics().horizontalAdvance(title)) << semester;
        form->close();
    }
}

} // namespace
} // namespace miravel::test
