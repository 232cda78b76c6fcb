// The one painter of laid-out pages: twips land where they should in pixels.

#include "print/PagePainter.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(PagePainter, DrawsFilledRectanglesAndLinesAtTheirTwips)
{
    Page page;
    // At 144 dpi a twip is a tenth of a pixel.
    page.items.push_back(PageRect{100, 100, 600, 600, 1, kBlack, true, kMagenta});
    page.items.push_back(PageLine{1000, 0, 1000, 800, 2, false, kBlack});
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, page, 144, 144);
    painter.end();
    EXPECT_EQ(image.pixelColor(30, 30), QColor(255, 0, 255));
    EXPECT_EQ(image.pixelColor(100, 40), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(150, 40), QColor(255, 255, 255));
    EXPECT_EQ(image.pixelColor(5, 5), QColor(255, 255, 255));
}

} // namespace
} // namespace miravel
