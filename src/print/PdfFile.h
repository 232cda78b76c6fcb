#pragma once
// Laid-out pages as a PDF file, written whole or not at all.

#include "file/FileError.h"
#include "file/SafeWrite.h"
#include "print/PageLayout.h"
#include "print/TablePage.h"

#include <QPageLayout>

#include <string>

namespace miravel {

// A4 with a printer's usual unprintable border of a quarter inch, so a PDF
// breaks pages where paper would.
QPageLayout PdfPageLayout(bool landscape);

// The printable area of a page layout, in twips.
PrintArea PrintAreaOf(const QPageLayout& layout);

// The pages as PDF bytes on paper of `layout` (each page turned as it asks).
// False when the pages cannot be drawn.
bool RenderPdf(const PageDocument& pages, const QPageLayout& layout, const std::string& title, std::string& bytes);

// Renders the pages and writes them to `path` through the safe writer (the
// previous file becomes the backup): a file that cannot be written is left
// as it was.
FileResult WritePdfFile(const std::string& path, const PageDocument& pages, const QPageLayout& layout,
                        const std::string& title, SaveReport& report, unsigned mode = 0);

} // namespace miravel
