// The help command opens the manual in the help window; the window follows
// the manual's links and finds its pictures.

#include "WindowTestSupport.h"

#include "platform/HelpViewer.h"
#include "platform/ManualLocation.h"
#include "platform/ProfileLocation.h"

#include <QDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextFragment>

namespace miravel::test {
namespace {

const QString kManualDir = QStringLiteral(MIRAVEL_SOURCE_DIR "/docs/manual");

QString LocalPath(const QUrl& url) { return QFileInfo(url.toLocalFile()).absoluteFilePath(); }

// Every link and picture on the page shown, as written in the HTML.
void CollectLinks(const QTextDocument& document, QStringList& links, QStringList& pictures)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat())
                pictures << format.toImageFormat().name();
            else if (format.isAnchor() && !format.anchorHref().isEmpty())
                links << format.anchorHref();
        }
}

// Where on the screen the link to `href` on the page shown is.
QPoint LinkPosition(const QTextBrowser& browser, const QString& href)
{
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            if (fragment.fragment().charFormat().anchorHref() == href) {
                QTextCursor cursor(browser.document());
                cursor.setPosition(fragment.fragment().position() + 1);
                return browser.cursorRect(cursor).center();
            }
    return QPoint();
}

TEST(ManualLocation, InstalledManualComesFirstThenTheSources)
{
    QTemporaryDir root;
    const QString installed = root.filePath(QStringLiteral("share/miravel/manual"));
    const QString sources = root.filePath(QStringLiteral("src/docs/manual"));
    QDir().mkpath(installed);
    QDir().mkpath(sources);
    const QString programDir = root.filePath(QStringLiteral("bin"));
#ifdef _WIN32 // the program folder's own manual comes before all
    EXPECT_EQ(ManualFolders(programDir).value(0), programDir + QStringLiteral("/manual"));
    EXPECT_EQ(ManualFolders(programDir).value(1), installed);
    EXPECT_EQ(ShippedProfileFolders(programDir).value(0), programDir + QStringLiteral("/profiles"));
#else
    EXPECT_EQ(ManualFolders(programDir).value(0), installed);
#endif

    EXPECT_EQ(FindManual({installed, sources}), QString());  // neither has a first page yet
    QFile(sources + QStringLiteral("/index.html")).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindManual({installed, sources}), sources + QStringLiteral("/index.html"));
    QFile(installed + QStringLiteral("/index.html")).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindManual({installed, sources}), installed + QStringLiteral("/index.html"));
}

class Help : public WindowTest {
protected:
    HelpViewer* openHelp()
    {
        platform.helpFile = FindManual({kManualDir});
        window->mnuHelpContents->trigger();
        return window->findChild<HelpViewer*>();
    }
};

TEST_F(Help, CommandOpensTheManualsFirstPageInTheHelpWindow)
{
    start();
    HelpViewer* viewer = openHelp();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.helpShown, QStringList{kManualDir + QStringLiteral("/index.html")});
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->isWindow());
    EXPECT_EQ(viewer->windowTitle(), U("ヘルプ"));
    EXPECT_EQ(LocalPath(viewer->Browser()->source()), kManualDir + QStringLiteral("/index.html"));
    EXPECT_FALSE(viewer->Browser()->documentTitle().isEmpty());

    // A second ヘルプ brings the same window back to the first page.
    viewer->Browser()->setSource(QUrl::fromLocalFile(kManualDir + QStringLiteral("/start.html")));
    EXPECT_EQ(openHelp(), viewer);
    EXPECT_EQ(window->findChildren<HelpViewer*>().size(), 1);
    EXPECT_EQ(LocalPath(viewer->Browser()->source()), kManualDir + QStringLiteral("/index.html"));
}

TEST_F(Help, LinksAreFollowedAndBackAndContentsReturn)
{
    start();
    HelpViewer* viewer = openHelp();
    ASSERT_NE(viewer, nullptr);
    QTextBrowser* browser = viewer->Browser();
    const QUrl first = browser->source();
    EXPECT_FALSE(viewer->BackButton()->isEnabled());

    // Click the first chapter of the contents, as the teacher would.
    const QPoint link = LinkPosition(*browser, QStringLiteral("start.html"));
    ASSERT_FALSE(link.isNull());
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, link);
    EXPECT_EQ(LocalPath(browser->source()), kManualDir + QStringLiteral("/start.html"));
    EXPECT_TRUE(viewer->BackButton()->isEnabled());

    viewer->BackButton()->trigger();
    EXPECT_EQ(browser->source(), first);
    EXPECT_TRUE(viewer->ForwardButton()->isEnabled());
    viewer->ForwardButton()->trigger();
    EXPECT_EQ(LocalPath(browser->source()), kManualDir + QStringLiteral("/start.html"));
    viewer->ContentsButton()->trigger();
    EXPECT_EQ(browser->source(), first);
}

TEST_F(Help, EveryPageLinksToPagesThatExistAndShowsItsPictures)
{
    start();
    HelpViewer* viewer = openHelp();
    ASSERT_NE(viewer, nullptr);
    QTextBrowser* browser = viewer->Browser();
    const QStringList pages = QDir(kManualDir).entryList({QStringLiteral("*.html")});
    EXPECT_GE(pages.size(), 8);
    int pictureCount = 0;
    for (const QString& page : pages) {
        browser->setSource(QUrl::fromLocalFile(kManualDir + QLatin1Char('/') + page));
        EXPECT_FALSE(browser->documentTitle().isEmpty()) << page.toStdString();
        QStringList links, pictures;
        CollectLinks(*browser->document(), links, pictures);
        for (const QString& link : links) {
            const QUrl target = browser->source().resolved(QUrl(link));
            if (target.isLocalFile()) {
                EXPECT_TRUE(QFileInfo(target.toLocalFile()).isFile()) << page.toStdString() << " -> " << link.toStdString();
            }
        }
        for (const QString& picture : pictures) {
            const QVariant image = browser->loadResource(QTextDocument::ImageResource, QUrl(picture));
            EXPECT_TRUE(image.isValid() && !image.value<QByteArray>().isEmpty())
                << page.toStdString() << " -> " << picture.toStdString();
        }
        pictureCount += pictures.size();
    }
    EXPECT_GE(pictureCount, 5);  // screenshots of the real windows
}

TEST_F(Help, UnreadableHelpFileIsReportedByName)
{
    start();
    platform.helpFile = path(QStringLiteral("missing/index.html"));
    window->mnuHelpContents->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, U("ヘルプファイル ") + platform.helpFile + U(" を開けません。"));
    EXPECT_EQ(window->findChild<HelpViewer*>(), nullptr);
}

} // namespace
} // namespace miravel::test
