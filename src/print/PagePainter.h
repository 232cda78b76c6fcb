#pragma once
// Draws laid-out pages through a QPainter: on a window, into a QImage, into
// a PDF or on a printer. Twips become device pixels at the device's own
// resolution.

#include "print/PageLayout.h"
#include "print/PrintFonts.h"

class QPainter;
class QPagedPaintDevice;

namespace miravel {

// Draws the items of `page` with (0, 0) at the painter's current origin.
// `dpiX`/`dpiY` are the device's dots per inch (logical DPI for a widget,
// resolution for a printer or PDF).
// With `paper` fonts, each text is drawn in the font chosen for its font
// name; without (a window), in the font it names.
void PaintPage(QPainter& painter, const Page& page, double dpiX, double dpiY, const PrintFonts* paper = nullptr);

// Draws every page of `document` on a printer or PDF writer, starting a new
// sheet for each page after the first and turning each sheet the way its
// page asks (landscape or portrait). Paper and margins are left as the caller
// set them; (0, 0) is the corner of the printable area. False when the
// painter cannot start on the device or a sheet cannot be added, and (the
// device untouched) when the system has no font for Japanese text.
bool PrintDocument(QPagedPaintDevice& device, const PageDocument& document);
bool PrintDocument(QPagedPaintDevice& device, const PageDocument& document, const PrintFonts& fonts);

} // namespace miravel
