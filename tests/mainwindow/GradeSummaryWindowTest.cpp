// 学年の集計 in the window: a folder's books read once each (a protected one
// asks its password), the tabs filled, the table saved and printed.

#include "WindowTestSupport.h"

#include "file/CompanionFile.h"
#include "file/ProtectedBook.h"
#include "grades/SummaryBooks.h"
#include "grades/SummaryTexts.h"
#include "mainwindow/GradeSummaryWindow.h"
#include "mainwindow/ProtectionTexts.h"

#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace miravel::test {
namespace {

class GradeSummaryWindowTest : public WindowTest {};

TEST_F(GradeSummaryWindowTest, AFoldersBooksAskTheirPasswordOnceAndFillBothTabs)
{
    start();
    const auto first = testing::ClassWithShares("1組", 3, 1, 1);
    const auto second = testing::ClassWithShares("2組", 2, 0, 2);
    ASSERT_FALSE(WriteGradeBook(FileLayerPath(path("1.txt")), *first));
    ASSERT_FALSE(WriteCompanion(FileLayerPath(path("1.txt")), first->Evaluation));
    FileResult error;
    SaveReport report;
    ASSERT_FALSE(WriteProtectedBook(FileLayerPath(path("2.mrvl")), *second,
                                    *BookKey::Create("password2", LowestKdfCost(), error), report));
    writeCp932("3.txt", "買い物のメモ\r\n");
    platform.fileAnswers = {path("1.txt"), path("集計.csv")};
    platform.passwordAnswers = {U("password1"), U("password2")};
    platform.messageAnswers = {MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::No};
    platform.dialogAnswers = {false};

    bool ran = false;
    QTimer::singleShot(0, [&] {
        const ClosesDialog closes;
        auto* summary = qobject_cast<GradeSummaryWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(summary, nullptr);
        ran = true;
        summary->AddFolder->click();
        ASSERT_EQ(summary->Books->count(), 2);
        EXPECT_EQ(platform.passwordPrompts, QStringList(2, U(texts::kAskPassword).arg(U("2.mrvl"))));
        ASSERT_EQ(platform.messages.size(), 2u);
        EXPECT_EQ(platform.messages[0].text, U(texts::kWrongPassword));
        EXPECT_TRUE(platform.messages[1].text.endsWith(U("\n3.txt"))) << platform.messages[1].text.toStdString();

        // Another period draws again from the books already read.
        summary->Period->setCurrentIndex(summary->Period->count() - 1);
        EXPECT_EQ(summary->Period->currentText(), U("通年"));
        summary->Period->setCurrentIndex(0);
        EXPECT_EQ(platform.passwordPrompts.size(), 2);
        EXPECT_EQ(summary->Table->horizontalHeaderItem(2)->text(), U("1組\nA"));
        EXPECT_EQ(summary->Table->item(0, 2)->text(), U("◆1（33.3%）"));
        EXPECT_EQ(summary->Table->item(0, 3)->text(), U("1（33.3%）"));
        EXPECT_EQ(summary->Table->item(3, 1)->text(), U("評定（3・2・1・なし）"));
        EXPECT_EQ(summary->Why->count(), 4);
        EXPECT_EQ(summary->Why->item(0)->text(), U("◆ ") + QString::fromStdString(MarkLine(summary->Summary(), summary->Summary().marks[0])));
        EXPECT_EQ(summary->Students->rowCount(), 5);  // a line for each class: nobody has 理解 or 言語
        EXPECT_EQ(summary->Students->item(1, 0)->text() + summary->Students->item(1, 1)->text() +
                      summary->Students->item(1, 2)->text() + summary->Students->item(1, 4)->text(),
                  U("1組21組2評定 1"));

        summary->SaveCsv->click();
        EXPECT_EQ(readAll(path("集計.csv")), QByteArray::fromStdString(SummaryCsv(summary->Summary())));
        // The students of a protected book on paper or in a PDF: asked first.
        summary->Tabs->setCurrentIndex(1);
        summary->Print->click();
        EXPECT_EQ(platform.messages.back().text, U("パスワード付きの成績ファイルの生徒の名前を印刷します。PDFファイルに印刷すると、そのファイルにはパスワードがかかりません。続けますか？"));
        EXPECT_TRUE(platform.dialogs.size() == 2u && platform.dialogs.back().kind == DialogKind::Save);
        summary->Tabs->setCurrentIndex(0);
        summary->Print->click();
        ASSERT_EQ(platform.dialogs.size(), 3u);
        EXPECT_EQ(platform.dialogs.back().kind, DialogKind::Print);
        EXPECT_EQ(platform.dialogs.back().pdfName, U("学年の集計"));
    });
    window->findChild<QAction*>(QStringLiteral("mnuFileGradeSummary"))->trigger();
    EXPECT_TRUE(ran);
    EXPECT_EQ(platform.unscriptedAnswers, 0);
}

} // namespace
} // namespace miravel::test
