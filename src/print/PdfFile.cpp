#include "print/PdfFile.h"

#include "print/PagePainter.h"
#include "print/PrintFonts.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

namespace miravel {

namespace {

constexpr double kTwipsPerPoint = 20.0;
constexpr double kPdfMarginPoints = 18.0;  // a quarter inch
constexpr int kPdfResolution = 1200;

} // namespace

QPageLayout PdfPageLayout(bool landscape)
{
    return QPageLayout(QPageSize(QPageSize::A4), landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints),
                       QPageLayout::Point);
}

PrintArea PrintAreaOf(const QPageLayout& layout)
{
    const QRectF area = layout.paintRect(QPageLayout::Point);
    return PrintArea{static_cast<int>(area.width() * kTwipsPerPoint), static_cast<int>(area.height() * kTwipsPerPoint)};
}

bool RenderPdf(const PageDocument& pages, const QPageLayout& layout, const std::string& title, std::string& bytes)
{
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Miravel"));
        writer.setTitle(QString::fromStdString(title));
        writer.setPageLayout(layout);
        if (!PrintDocument(writer, pages))
            return false;
    }
    bytes.assign(pdf.constData(), static_cast<std::size_t>(pdf.size()));
    return true;
}

FileResult WritePdfFile(const std::string& path, const PageDocument& pages, const QPageLayout& layout,
                        const std::string& title, SaveReport& report, unsigned mode)
{
    // Checked before anything is drawn: no file rather than one without its text.
    if (!SystemPrintFonts().Found())
        return FileError{0, kNoPrintFont};
    std::string bytes;
    if (!RenderPdf(pages, layout, title, bytes))
        return FileError{0, "PDFを作成できません。"};
    return WriteExportWithBackup(path, bytes, report, mode);
}

} // namespace miravel
