#pragma once
// The help window: the manual's HTML pages in a browser of their own, with
// back, forward and contents. It belongs to the main window and closes with it.

#include <QWidget>

class QAction;
class QTextBrowser;

namespace miravel {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows `page` (an HTML file) and makes it the contents page.
    void ShowContents(const QString& page);

    QTextBrowser* Browser() const { return browser_; }
    QAction* BackButton() const { return back_; }
    QAction* ForwardButton() const { return forward_; }
    QAction* ContentsButton() const { return contents_; }

private:
    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QAction* contents_;
};

// Opens (or brings forward) the help window of `parent`'s window on `page`.
// Gives false with a description in `error` when the page cannot be read.
bool ShowHelpViewer(QWidget* parent, const QString& page, QString& error);

} // namespace miravel
