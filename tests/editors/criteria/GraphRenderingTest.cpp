// A screen graph painted into an image: the squares in their colours and
// the dotted class-average line where the numbers put them.

#include "editors/criteria/DistributionGraph.h"
#include "print/PagePainter.h"
#include "GraphTestBook.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace miravel {
namespace {

TEST(GraphRendering, SquaresAndAverageLineInAnImage)
{
    const int slot = YearRoundSlot(0, 0);
    // Worked example: columns 0, 6, 16; average 61 sits 7.33 columns right.
    const auto book = test::BookWithValues(slot, {40.0f, 55.5f, 87.4f}, 61.0f);
    Page page;
    DrawDistributionGraph(page, GraphTarget::Screen, *book, slot, 0, 0, 1, 1, 0, 0);

    // At 144 dpi a pixel is 10 twips.
    QImage image(400, 260, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, page, 144, 144);
    painter.end();

    // Square centres: x = 485 + 25 + 150 * column + 50, y = 2000 - 50 twips.
    const auto squareCentre = [&image](int column) { return image.pixelColor((560 + 150 * column) / 10, 195); };
    EXPECT_EQ(squareCentre(0), QColor(255, 0, 255));
    EXPECT_EQ(squareCentre(6), QColor(255, 255, 0));
    EXPECT_EQ(squareCentre(16), QColor(0, 255, 0));
    EXPECT_EQ(squareCentre(3), QColor(Qt::white));

    // The average line at x = 485 + 1100 twips: dotted, so black and white
    // alternate along it between the base line and the top.
    int black = 0, white = 0;
    for (int y = 30; y < 190; ++y) {
        const QColor c = image.pixelColor(158, y);
        (c.lightness() < 100 ? black : white) += 1;
    }
    EXPECT_GT(black, 20);
    EXPECT_GT(white, 20);
    // Beside the line, under the title, there is nothing.
    for (int y = 70; y < 190; ++y)
        ASSERT_EQ(image.pixelColor(165, y), QColor(Qt::white)) << y;
}

} // namespace
} // namespace miravel
