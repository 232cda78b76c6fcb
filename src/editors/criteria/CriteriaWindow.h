#pragma once
// What the two criteria editors share: for each of the subject's three
// viewpoints a frame with the A and C count boxes, their spin buttons and
// the B count, the graphs drawn on the window beside the frames, the change
// rule that keeps A + C within the class, printing the three graphs, and the
// ways out (登録, ｷｬﾝｾﾙ, Esc, the window frame), each of which hands the main
// window back.

#include "core/GradeBook.h"
#include "print/PageLayout.h"

#include <QWidget>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace miravel {

class Platform;
class UpDown;

class CriteriaWindow : public QWidget {
    Q_OBJECT

public:
    QPushButton* Command1 = nullptr; // 登録
    QPushButton* Command2 = nullptr; // ｷｬﾝｾﾙ
    QPushButton* Command3 = nullptr; // ｸﾞﾗﾌを印刷

    // The graph of a viewpoint as the window shows it now.
    const Page& Graph(int viewpoint) const { return graphs_[viewpoint]; }

    // Runs every time the window becomes the program's active window coming
    // from another window of the program, and when it is first shown.
    virtual void Form_Activate() = 0;
    virtual void Command1_Click() = 0;
    // A count (or, in the year-round editor, a name) differs from the book:
    // closing without registering would lose it.
    virtual bool HasPendingChanges() const;
    void Command2_Click();
    void Command3_Click();
    // Asked before printing; false leaves the window as it was.
    void SetPrintCheck(std::function<bool()> check) { printCheck_ = std::move(check); }

protected:
    // One viewpoint's frame and its controls.
    struct ViewpointCounts {
        QGroupBox* frame = nullptr;
        QLineEdit* countA = nullptr;
        QLineEdit* countC = nullptr;
        UpDown* upA = nullptr;
        UpDown* upC = nullptr;
        QLabel* countB = nullptr;
    };

    // `period` is the semester or kYearRoundPeriod; the graphs of viewpoint v
    // are drawn at ScreenGraphTop(period, v).
    CriteriaWindow(Platform& platform, int period, int subject);

    // Frames of the three viewpoints at these tops (twips), the buttons under
    // them at `buttonTop`; the window is sized to hold the graphs.
    void buildCounts(const std::array<int, kViewpoints>& frameTops, int buttonTop, int windowHeight);
    ViewpointCounts& counts(int viewpoint) { return counts_[viewpoint]; }

    // Frame captions and the boxes' names follow the viewpoint names.
    void nameViewpoints();
    // Puts a stored count into a box; the change rule runs as if typed, but
    // a count never set (-1) is shown as it is.
    void fillBox(QLineEdit* box, Integer stored);
    void clearGraphs();
    void drawStoredGraphs();
    // n - A - C of the viewpoint's boxes.
    double countB(int viewpoint) const;
    void showCountB(int viewpoint);
    // The boxes' values, rounded halves to even, into the book.
    void storeCounts();

    void inform(const QString& text);
    void inform(const char* text);
    // EnableMainWindow, then the window goes.
    void closeEditor();

    int period() const { return period_; }
    int subject() const { return subject_; }
    Platform& platform() { return platform_; }

    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // Twips to pixels on this window's screen.
    int px(int twips) const;
    int py(int twips) const;

private:
    void changeRule(int viewpoint, QLineEdit* changed);
    void drawGraph(int viewpoint, int countA, int countC);

    Platform& platform_;
    const int period_;
    const int subject_;
    std::array<ViewpointCounts, kViewpoints> counts_;
    std::array<Page, kViewpoints> graphs_;
    std::function<bool()> printCheck_;
    bool filling_ = false;
    bool shownOnce_ = false;
    bool closed_ = false;
    // Left for another window of the program (not a dialog, not another
    // application): coming back counts as an activation.
    bool leftForProgramWindow_ = false;
};

} // namespace miravel
