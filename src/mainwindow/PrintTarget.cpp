#include "mainwindow/PrintTarget.h"

#include "mainwindow/MainWindowTexts.h"
#include "platform/Platform.h"
#include "print/PrintFonts.h"

#include <QPrinter>

namespace miravel {

const char kNoPrinter[] = "プリンターが見つかりません。";

namespace {

const char kSavePdfTitle[] = "PDFに保存";
const char kPdfFilter[] = "PDF (*.pdf)|*.pdf";

} // namespace

bool ChoosePrintTarget(Platform& platform, QWidget* parent, const QString& title, const QString& pdfName)
{
    const QString program = QString::fromUtf8(texts::kProgramTitle);
    if (!SystemPrintFonts().Found()) {
        platform.ShowMessage(parent, QString::fromUtf8(kNoPrintFont), program, MessageButtons::Ok, MessageIcon::None);
        return false;
    }
    if (platform.HasPrinter())
        return platform.ShowPrintDialog(parent, title, pdfName);
    // Qt's print dialog without a printer shows nothing at all.
    if (platform.ShowMessage(parent, QString::fromUtf8(kNoPrinter), program, MessageButtons::SavePdfCancel,
                             MessageIcon::None) != MessageAnswer::Yes)
        return false;
    const QString path = platform.GetSaveFileName(parent, QString::fromUtf8(kSavePdfTitle),
                                                  QString::fromUtf8(kPdfFilter), pdfName);
    if (path.isEmpty())
        return false;
    QPrinter& printer = platform.Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    return true;
}

} // namespace miravel
