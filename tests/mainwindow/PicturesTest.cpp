// Pictures on a scaled screen: every picture brings a drawing of twice its
// size, so nothing is blown up blurry at QT_SCALE_FACTOR=2.

#include "WindowTestSupport.h"

#include "mainwindow/Pictures.h"

namespace miravel::test {
namespace {

QList<QSize> Sizes(const QIcon& icon)
{
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    return sizes;
}

TEST(Pictures, EveryPictureHasItsDoubleSizeDrawing)
{
    struct Case {
        QIcon icon;
        int size;
        QString name;
    };
    std::vector<Case> cases;
    for (const QString& key : TreePictureKeys())
        cases.push_back({TreePicture(key), 16, key});
    // Our own drawings, not the desktop theme's that ToolbarPicture() prefers.
    QIcon::setThemeName(QString());
    for (const char* key : {"New", "Open", "Save", "Print", "Edit"})
        cases.push_back({ToolbarPicture(QString::fromLatin1(key)), 32, key});
    for (const Case& c : cases) {
        const QList<QSize> expected = {QSize(c.size, c.size), QSize(2 * c.size, 2 * c.size)};
        EXPECT_EQ(Sizes(c.icon), expected) << c.name.toStdString();
        const QPixmap sharp = c.icon.pixmap(QSize(c.size, c.size), 2.0);
        EXPECT_EQ(sharp.size(), QSize(2 * c.size, 2 * c.size)) << c.name.toStdString();
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0) << c.name.toStdString();
    }
}

TEST(Pictures, DecorativeAnimalsAreDrawnAtTheScreensRatio)
{
    for (const char* name : {"pictHorse", "pictRabbit", "pictDuck", "pictPenguin", "pictHito"}) {
        for (qreal ratio : {1.0, 2.0}) {
            const QPixmap picture = DecorativePicture(QString::fromLatin1(name), 26, ratio);
            EXPECT_EQ(picture.size(), QSize(26, 26) * ratio) << name;
            EXPECT_EQ(picture.devicePixelRatio(), ratio) << name;
        }
    }
}

TEST_F(WindowTest, WindowShowsTheApplicationIconInEverySize)
{
    const QList<QSize> expected = {QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32),
                                   QSize(48, 48), QSize(64, 64), QSize(128, 128), QSize(256, 256)};
    EXPECT_EQ(Sizes(ApplicationIcon()), expected);
    EXPECT_EQ(Sizes(start().windowIcon()), expected);
}

} // namespace
} // namespace miravel::test
