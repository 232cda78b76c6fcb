#pragma once
// 試験結果の編集: one test of one subject in one semester. The teacher names
// and dates the test, chooses its viewpoints with their full marks and
// enters every student's scores from the keyboard; the score table below
// shows each total, the class averages and the ranks as they go. "登録"
// writes it all into the grade book; "ｷｬﾝｾﾙ" (Esc) writes nothing.
// The rules live in ScoreTable, ScoreEntry and TestRegistration; this
// window only wires its controls and keys to them.

#include "core/TextGrid.h"
#include "editors/testspec/ScoreEntry.h"

#include <QDialog>

#include <array>
#include <map>
#include <memory>

class QCalendarWidget;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace miravel {

class GridMirror;
class Platform;

// The clipboard holds a block of cells (a tab or a line break in its text),
// not one value for one field.
bool ClipboardHoldsBlock();

class FormTestSpec : public QDialog {
    Q_OBJECT

public:
    // Opens on the test (CurrentSemester, CurrentSubject, CurrentTest) of the book.
    explicit FormTestSpec(Platform& platform, QWidget* parent = nullptr);
    ~FormTestSpec() override;

    // Controls, under the names the rules know them by.
    QLabel* Label11 = nullptr;        // heading: semester, subject, test number
    QLineEdit* Text1 = nullptr;       // title
    QLineEdit* Text2 = nullptr;       // date
    QCalendarWidget* MonthView1 = nullptr;
    std::array<QCheckBox*, kViewpoints> Checks{};        // Check4..Check6
    std::array<QLabel*, kViewpoints> ViewpointNames{};   // Label16..Label18
    std::array<QLineEdit*, kViewpoints> FullMarks{};     // Text6..Text8
    QGroupBox* Frame1 = nullptr;
    QComboBox* Combo2 = nullptr;      // attendance number
    QLabel* Label3 = nullptr;         // the student's name
    std::array<QLineEdit*, kViewpoints> Entries{};       // Text3..Text5
    QPushButton* Command3 = nullptr;  // next (default button)
    QPushButton* Command4 = nullptr;  // previous
    QPushButton* Command5 = nullptr;  // 欠席
    QPushButton* Command1 = nullptr;  // 登録
    QPushButton* Command2 = nullptr;  // ｷｬﾝｾﾙ
    QPushButton* Command6 = nullptr;  // 得点の読み込み
    QTableWidget* MSFlexGrid1 = nullptr;

    // The score table as data, as the window shows it.
    const TextGrid& ScoreGrid() const { return grid_; }
    bool TitleTouched() const { return titleTouched_; }
    // Something typed, chosen or committed since the opening that closing
    // without registering would lose.
    bool HasPendingChanges() const;

    // Event handlers.
    void Check_Click(int k);
    void FullMarks_Change(int k);
    void Text1_Click();
    void Text2_Change();
    void MonthView1_DateClick(const QDate& date);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Combo2_Click(int index);
    // A number typed into 出席番号, on Enter (`entered`) or on leaving the box.
    void Combo2_Typed(bool entered);
    void MSFlexGrid1_Click(int row, int col);
    // A block copied from a spreadsheet, pasted at the current student from
    // viewpoint k on (Ctrl+V, 貼り付け).
    void PasteScores(int k);
    // 得点の読み込み: scores from a CSV or TSV file, after a preview.
    void ImportScores();

    // Esc is ｷｬﾝｾﾙ.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The window has no close box; a window manager closing it anyway cancels.
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void wireImport();
    // The entry field paste and import start from: the focused one, else
    // the first assessed.
    int pasteViewpoint() const;
    void setAccessibleNames();
    void setTabOrder();
    void Form_Load();
    void openDate();
    void openViewpoints();

    ViewpointTexts entryTexts() const;
    ViewpointTexts fullMarksTexts() const;
    ViewpointChecks checks() const;
    // Checks and commits the current student; shows the message and puts the
    // focus in the rejected field. False when rejected.
    bool commit();
    void loadStudent(int n);
    void focusEntry(int k);
    void entryGotFocus(int k, Qt::FocusReason reason);
    bool entryKeyDown(int k, int key);
    void move(int (*target)(const GradeBook&, int));
    void showGrid();
    void inform(const QString& text);
    bool askYes(const std::string& question);
    void leave(bool registered, bool rebuildTree);

    // What the window holds apart from the entry fields.
    struct Held {
        std::string title, date;
        ViewpointChecks checks{};
        ViewpointTexts fullMarks;
        std::array<ViewpointTexts, kStudents> rows;
        bool operator==(const Held& other) const;
    };
    Held held() const;

    // The score table's width in twips; its columns are shared out from it.
    static constexpr int kTableWidth = 7800;

    Platform& platform_;
    TextGrid grid_{0, 0};  // built by the opening
    Held opened_;          // as the opening left it
    std::unique_ptr<GridMirror> mirror_;
    bool titleTouched_ = false;
    // Accounts a score file met beside a matching name, stored at 登録.
    std::map<int, std::string> newAccounts_;
    bool leaving_ = false;
};

} // namespace miravel
