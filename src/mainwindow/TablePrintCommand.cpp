#include "mainwindow/TablePrintCommand.h"

#include "core/GradeBook.h"
#include "file/BookSave.h"
#include "file/SameFile.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/PrintTarget.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"
#include "print/PagePainter.h"
#include "platform/FileFilter.h"
#include "print/PdfFile.h"
#include "mainwindow/TablePdfName.h"
#include "print/TablePage.h"
#include "platform/FileLayerPath.h"

#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>

namespace miravel {

namespace {

const char* const kPrintDialogTitle = "印刷";
const char* const kCannotPrint = "印刷できません。プリンターの設定を確かめてください。";
const char* const kCannotSavePdf = "PDFファイルを保存できません。";
const char* const kReplacePdf = "%1 は既にあります。置き換えますか？";
const char* const kPdfOntoBook = "成績ファイル（またはそのバックアップ）には印刷できません。別の名前を指定してください。";

void Report(frmMain& window, const QString& text)
{
    window.platform().ShowMessage(&window, text, QString::fromUtf8(texts::kProgramTitle), MessageButtons::Ok,
                                  MessageIcon::None);
}

} // namespace

void RegisterTablePrinting(frmMain& window) { window.SetPrintHandler(PrintShownTable); }

void PrintShownTable(frmMain& window)
{
    Platform& platform = window.platform();
    const GradeBook& book = Book();
    if (!ChoosePrintTarget(platform, &window, QString::fromUtf8(kPrintDialogTitle),
                           QString::fromStdString(TablePdfName(book))))
        return;

    // The printer and paper source stay as page setup and the dialog chose;
    // the table is always A4 landscape.
    QPrinter& printer = platform.Printer();
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);

    const TablePane& pane = window.Pane();
    const QString date = platform.Today().toString(platform.ShortDateFormat());
    const PageDocument pages =
        LayoutTablePages({pane.Grid, pane.Caption, book.ShownColumnCount, book.CurrentNodeKey, date.toStdString()},
                         PrintAreaOf(printer.pageLayout()));
    PrintOnChosenPrinter(window, pages, pane.Caption);
}

void PrintOnChosenPrinter(frmMain& window, const PageDocument& pages, const std::string& title)
{
    Platform& platform = window.platform();
    QPrinter& printer = platform.Printer();
    const GradeBook& book = Book();

    // "Print to PDF" goes through the safe writer, so a file is whole or
    // untouched, and never over the grade book or its backup.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // A name typed without an extension gets ".pdf"; a file that then
        // exists was not the one the dialog asked about, so it is asked here.
        const QString typed = printer.outputFileName();
        const QString path = WithDefaultSuffix(typed, QStringLiteral("PDF (*.pdf)|*.pdf"));
        if (path != typed && QFileInfo::exists(path) &&
            platform.ShowMessage(&window, QString::fromUtf8(kReplacePdf).arg(QDir::toNativeSeparators(path)),
                                 QString::fromUtf8(texts::kProgramTitle), MessageButtons::YesNoDefaultNo,
                                 MessageIcon::None) != MessageAnswer::Yes)
            return;
        const std::string file = FileLayerPath(path);
        if (!book.CurrentFilePath.empty() && WouldOverwriteBook(file, book.CurrentFilePath)) {
            Report(window, QString::fromUtf8(kPdfOntoBook) + QLatin1Char('\n') + QDir::toNativeSeparators(path));
            return;
        }
        SaveReport report;
        if (const FileResult error = WritePdfFile(file, pages, printer.pageLayout(), title, report,
                                                     BookFileMode(book.CurrentFilePath)))
            Report(window, FailureText(kCannotSavePdf, path, *error));
        else if (report.BackupMissing())
            window.SetStatusHint(QString::fromUtf8(texts::kBackupMissing));
        return;
    }
    // A PDF printer without a file would fail half-started and stay busy
    // for every later print: refuse it before it starts.
    if (printer.outputFormat() == QPrinter::PdfFormat || !PrintDocument(printer, pages))
        Report(window, QString::fromUtf8(kCannotPrint));
}

} // namespace miravel
