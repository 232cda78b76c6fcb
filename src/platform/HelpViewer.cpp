#include "platform/HelpViewer.h"

#include <QAction>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace miravel {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("ヘルプ"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* buttons = new QToolBar(this);
    back_ = buttons->addAction(QStringLiteral("戻る"));
    back_->setShortcut(QKeySequence::Back);
    forward_ = buttons->addAction(QStringLiteral("進む"));
    forward_->setShortcut(QKeySequence::Forward);
    contents_ = buttons->addAction(QStringLiteral("目次"));
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setAccessibleName(QStringLiteral("マニュアル"));
    browser_->setOpenExternalLinks(true);
    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(contents_, &QAction::triggered, browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buttons);
    layout->addWidget(browser_);
    // Font-relative, so the window keeps its proportions on a scaled screen.
    const int em = fontMetrics().height();
    resize(76 * em, 50 * em);
}

void HelpViewer::ShowContents(const QString& page)
{
    browser_->clearHistory();
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
}

bool ShowHelpViewer(QWidget* parent, const QString& page, QString& error)
{
    if (!QFileInfo(page).isReadable()) {
        error = QStringLiteral("ヘルプファイル %1 を開けません。").arg(page);
        return false;
    }
    QWidget* owner = parent ? parent->window() : nullptr;
    HelpViewer* viewer = owner ? owner->findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!viewer)
        viewer = new HelpViewer(owner);
    viewer->ShowContents(page);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

} // namespace miravel
