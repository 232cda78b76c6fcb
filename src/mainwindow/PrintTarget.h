#pragma once
// Where a print command's pages go, asked before they are drawn: nowhere
// when the system has no font for their Japanese text (a print or PDF of
// empty boxes helps no one), the printer the print dialog chose, or on a
// computer without a printer a PDF file the teacher names.

#include <QString>

class QWidget;

namespace miravel {

class Platform;

// Said when the system knows no printer; PDFに保存 is offered with it.
extern const char kNoPrinter[];  // 「プリンターが見つかりません。」

// False when the teacher cancels or nothing can be printed (said already).
// With a PDF file chosen, the program's printer writes that file.
bool ChoosePrintTarget(Platform& platform, QWidget* parent, const QString& title, const QString& pdfName = QString());

} // namespace miravel
