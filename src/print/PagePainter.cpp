#include "print/PagePainter.h"

#include <vector>

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPageLayout>
#include <QPen>
#include <QRawFont>

namespace miravel {
namespace {

constexpr double kTwipsPerInch = 1440.0;

QColor ToColor(Rgb rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

class TwipsMapper {
public:
    TwipsMapper(double dpiX, double dpiY, double lineWidthTwips)
        : sx_(dpiX / kTwipsPerInch), sy_(dpiY / kTwipsPerInch), lineWidthTwips_(lineWidthTwips)
    {
    }
    QPointF point(int x, int y) const { return {x * sx_, y * sy_}; }
    double penWidth(int width) const { return std::max(1.0, width * lineWidthTwips_ * sx_); }
    double points(double pt) const { return pt; }

private:
    double sx_;
    double sy_;
    double lineWidthTwips_;
};

QPen MakePen(const TwipsMapper& map, int width, Rgb color, bool dotted)
{
    QPen pen(ToColor(color));
    pen.setWidthF(map.penWidth(width));
    pen.setStyle(dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// A font of a page: looked up once per page, with its ascent and the glyphs
// of the font itself.
struct PageFont {
    std::string family;
    double points = 0;
    QFont font;
    double ascent = 0;
    QRawFont raw;
};

// Draws `text` at `baseline`. A text the font covers whole goes straight
// from its character map as a glyph run: no shaping and no search of
// fallback fonts, which were most of the time of a page of many short texts
// (monospaced Japanese needs neither). Anything else takes the full text
// layout.
void DrawText(QPainter& painter, const PageFont& font, const QPointF& baseline, const QString& text)
{
    if (font.raw.isValid()) {
        const QList<quint32> glyphs = font.raw.glyphIndexesForString(text);
        if (glyphs.size() == text.size() && !glyphs.contains(0)) {
            const QList<QPointF> advances = font.raw.advancesForGlyphIndexes(glyphs);
            QList<QPointF> positions;
            positions.reserve(advances.size());
            QPointF at;
            for (const QPointF& advance : advances) {
                positions.push_back(at);
                at += advance;
            }
            QGlyphRun run;
            run.setRawFont(font.raw);
            run.setGlyphIndexes(glyphs);
            run.setPositions(positions);
            painter.drawGlyphRun(baseline, run);
            return;
        }
    }
    painter.setFont(font.font);
    painter.drawText(baseline, text);
}

} // namespace

void PaintPage(QPainter& painter, const Page& page, double dpiX, double dpiY, const PrintFonts* paper)
{
    const TwipsMapper map(dpiX, dpiY, page.lineWidthTwips);
    const QFont surfaceFont = painter.font();
    painter.save();
    // A page uses a few fonts over many texts: each is looked up once, and
    // each text is drawn at its baseline without the layout a text box
    // would need.
    std::vector<PageFont> fonts;
    for (const PageItem& item : page.items) {
        if (const auto* text = std::get_if<PageText>(&item)) {
            std::size_t current = 0;
            while (current < fonts.size() && (fonts[current].family != text->font || fonts[current].points != text->points))
                ++current;
            if (current == fonts.size()) {
                QFont font = surfaceFont;
                if (paper)
                    font.setFamily(PrintFamilyFor(text->font, *paper));
                else if (!text->font.empty())
                    font.setFamily(QString::fromStdString(text->font));
                if (text->points > 0)
                    font.setPointSizeF(text->points);
                painter.setFont(font);
                fonts.push_back({text->font, text->points, painter.font(),
                                 QFontMetricsF(painter.font(), painter.device()).ascent(),
                                 QRawFont::fromFont(painter.font())});
            }
            painter.setPen(ToColor(text->color));
            const QPointF topLeft = map.point(text->x, text->y);
            const PageFont& font = fonts[current];
            DrawText(painter, font, QPointF(topLeft.x(), topLeft.y() + font.ascent), QString::fromStdString(text->text));
        } else if (const auto* line = std::get_if<PageLine>(&item)) {
            painter.setPen(MakePen(map, line->width, line->color, line->dotted));
            painter.drawLine(map.point(line->x1, line->y1), map.point(line->x2, line->y2));
        } else if (const auto* rect = std::get_if<PageRect>(&item)) {
            painter.setPen(MakePen(map, rect->width, rect->outline, false));
            painter.setBrush(rect->filled ? QBrush(ToColor(rect->fill)) : QBrush(Qt::NoBrush));
            painter.drawRect(QRectF(map.point(rect->x1, rect->y1), map.point(rect->x2, rect->y2)).normalized());
        }
    }
    painter.restore();
}

namespace {

void TurnSheet(QPagedPaintDevice& device, const Page& page)
{
    const auto orientation = page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    if (device.pageLayout().orientation() != orientation)
        device.setPageOrientation(orientation);
}

} // namespace

bool PrintDocument(QPagedPaintDevice& device, const PageDocument& document)
{
    return PrintDocument(device, document, SystemPrintFonts());
}

bool PrintDocument(QPagedPaintDevice& device, const PageDocument& document, const PrintFonts& fonts)
{
    if (!fonts.Found())
        return false;
    if (!document.empty())
        TurnSheet(device, document.front());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Fonts are sized for the device, not for the screen.
    const double dpiX = device.logicalDpiX();
    const double dpiY = device.logicalDpiY();
    bool first = true;
    for (const Page& page : document) {
        if (!first) {
            TurnSheet(device, page);
            if (!device.newPage())
                return false;
        }
        first = false;
        PaintPage(painter, page, dpiX, dpiY, &fonts);
    }
    return painter.end();
}

} // namespace miravel
