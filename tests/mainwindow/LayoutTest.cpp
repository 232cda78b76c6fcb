// Window placement from the settings and the panes fitted to the window.

#include "WindowTestSupport.h"

#include "mainwindow/PaneLayout.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>

namespace miravel::test {
namespace {

void Store(ScriptedPlatform& platform, const char* key, const QString& value)
{
    platform.settings.insert(ScriptedPlatform::SettingPath("Miravel", "Settings", U(key)), value);
}

QString Stored(const ScriptedPlatform& platform, const char* key)
{
    return platform.settings.value(ScriptedPlatform::SettingPath("Miravel", "Settings", U(key)));
}

TEST(PaneLayout, FitsTreeToAQuarterOfTheWindowUpTo4000)
{
    const PaneLayout standard = FitPanes(PaneLayout{}, 13000, 10000);
    EXPECT_EQ(standard.frame2Width, 3250);
    EXPECT_EQ(standard.frame1Left, 3355);
    EXPECT_EQ(standard.treeWidth, 3010);
    EXPECT_EQ(standard.frame1Width, 9525);
    EXPECT_EQ(standard.gridWidth, 9285);
    EXPECT_EQ(standard.frame2Height, 8500);
    EXPECT_EQ(standard.frame1Height, 8500);
    EXPECT_EQ(standard.treeHeight, 8140);
    EXPECT_EQ(standard.gridHeight, 8140);

    const PaneLayout wide = FitPanes(standard, 20000, 10000);
    EXPECT_EQ(wide.frame2Width, 4000);
    EXPECT_EQ(wide.frame1Left, 4105);
    EXPECT_EQ(wide.frame1Width, 15775);
}

TEST(PaneLayout, SmallDimensionKeepsItsLayout)
{
    const PaneLayout standard = FitPanes(PaneLayout{}, 13000, 10000);
    const PaneLayout narrow = FitPanes(standard, 2000, 6000);
    EXPECT_EQ(narrow.frame2Width, 3250);
    EXPECT_EQ(narrow.frame1Width, 9525);
    EXPECT_EQ(narrow.frame2Height, 4500);
    const PaneLayout flat = FitPanes(standard, 8000, 1500);
    EXPECT_EQ(flat.frame2Width, 2000);
    EXPECT_EQ(flat.frame2Height, 8500);
}

using Placement = WindowTest;

TEST_F(Placement, FirstStartUsesTheDefaultsAndFitsThePanes)
{
    frmMain& w = start();
    EXPECT_EQ(w.Placement(), (TwipsRect{1000, 1000, 13000, 10000}));
    EXPECT_EQ(w.Layout().frame2Width, 3250);
    EXPECT_EQ(w.Layout().frame1Left, 3355);
    const double dpi = LogicalDpiX(&w);
    EXPECT_EQ(w.width(), TwipsToPixels(13000, dpi));
    EXPECT_EQ(w.Frame2->width(), TwipsToPixels(3250, dpi));
    EXPECT_EQ(w.Frame1->x(), TwipsToPixels(3355, dpi));
    EXPECT_EQ(w.TreeView1->x(), TwipsToPixels(120, dpi));
}

TEST_F(Placement, StoredWideWindowGetsTheWidestTree)
{
    Store(platform, "MainWidth", "20000");
    frmMain& w = start();
    EXPECT_EQ(w.Layout().frame2Width, 4000);
    EXPECT_EQ(w.Layout().frame1Left, 4105);
    EXPECT_EQ(w.Layout().frame1Width, 15775);
}

TEST_F(Placement, ResizingByTheUserRefitsThePanes)
{
    frmMain& w = start();
    const double dpi = LogicalDpiX(&w);
    w.resize(TwipsToPixels(8000, dpi), w.height());
    EXPECT_NEAR(w.Layout().frame2Width, 2000, 5);
    EXPECT_EQ(w.Frame2->width(), TwipsToPixels(w.Layout().frame2Width, dpi));
}

TEST_F(Placement, WindowOffEveryScreenComesBackOntoThePrimary)
{
    Store(platform, "MainLeft", "900000");
    Store(platform, "MainTop", "-900000");
    frmMain& w = start();
    const QRect primary = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(primary.contains(w.pos())) << w.pos().x() << "," << w.pos().y();
}

TEST_F(Placement, ExitStoresThePlacementInTwips)
{
    Store(platform, "MainWidth", "14000");
    frmMain& w = start();
    w.close();
    EXPECT_EQ(Stored(platform, "MainLeft"), "1000");
    EXPECT_EQ(Stored(platform, "MainTop"), "1000");
    EXPECT_EQ(Stored(platform, "MainWidth"), "14000");
    EXPECT_EQ(Stored(platform, "MainHeight"), "10000");
}

TEST_F(Placement, ExitWhileMinimizedKeepsThePreviousValues)
{
    Store(platform, "MainWidth", "14000");
    frmMain& w = start();
    w.resize(w.width() / 2, w.height());
    w.setWindowState(Qt::WindowMinimized);
    w.close();
    EXPECT_EQ(Stored(platform, "MainWidth"), "14000");
}

} // namespace
} // namespace miravel::test
