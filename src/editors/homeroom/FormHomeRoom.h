#pragma once
// 学級の編集: the class header, the roster typed one name per attendance
// number, and transferring a student out. Registration writes the header
// and roster into the grade book; cancel (also Esc and the window frame)
// drops them, except a transfer-out already confirmed.

#include "core/GradeBook.h"
#include "core/TextGrid.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace miravel {

class GridMirror;
class Platform;
class frmMain;

class FormHomeRoom : public QWidget {
    Q_OBJECT

public:
    // Opens on the grade book as it is now (the load procedure runs here).
    explicit FormHomeRoom(frmMain& mainForm);
    ~FormHomeRoom() override;

    std::array<QComboBox*, 3> Combo1{};  // 年度, 学年, 学級
    QLineEdit* Text1 = nullptr;          // 担任の氏名
    QComboBox* Viewpoints = nullptr;     // 観点の初期値, for a class without a file
    QTableWidget* MSFlexGrid1 = nullptr; // the roster
    QGroupBox* Frame1 = nullptr;         // 名簿を作成
    QComboBox* Combo2 = nullptr;         // 出席番号
    QLineEdit* Text2 = nullptr;          // 生徒の氏名
    QLineEdit* Text3 = nullptr;          // 児童コード
    QLineEdit* Text4 = nullptr;          // アカウント
    QPushButton* Command3 = nullptr;     // next number (default button)
    QPushButton* Command4 = nullptr;     // previous number
    QPushButton* Command5 = nullptr;     // 転出
    QPushButton* Command1 = nullptr;     // 登録
    QPushButton* Command2 = nullptr;     // ｷｬﾝｾﾙ

    // The working copy of the names, as the grid shows it.
    const TextGrid& Roster() const { return roster_; }
    // A header field or a name changed since the opening (a confirmed
    // transfer-out is already in the book and does not count).
    bool HasPendingChanges() const;

    void Combo2_Change();
    void MSFlexGrid1_Click(int row, int col);
    void Command3_Click();
    void Command4_Click();
    void Text2_Change();
    // A code or account typed for the current number goes into its column.
    void Id_Change(int col, const QLineEdit* field);
    void Command5_Click();
    void Command1_Click();
    void Command2_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void Form_Load();
    // Makes `studentNo` the current attendance number: the grid's current
    // cell and the name box follow; the number box too when asked.
    void showStudent(int studentNo, bool setNumberBox);
    void leave();
    std::array<std::string, 4> headerTexts() const;

    frmMain& mainForm_;
    Platform& platform_;
    TextGrid roster_{0, 0};
    // The header and the names as the opening showed them.
    std::array<std::string, 4> openedHeader_;
    int openedViewpoints_ = 0;
    std::array<std::string, kStudents> openedNames_;
    std::array<std::string, kStudents> openedCodes_, openedAccounts_;
    std::unique_ptr<GridMirror> mirror_;
    bool closed_ = false;
};

} // namespace miravel
