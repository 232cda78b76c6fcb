#pragma once
// 所見と出欠: the written half of the report card, student by student for
// the period chosen at the top, and a list of the whole class that shows who
// is not done yet. Everything typed goes into a working copy of the book's
// notes; 登録 writes it as one undo step, ｷｬﾝｾﾙ and Esc drop it after asking.
// The rules are in NotesRules and NotesPaste.

#include "core/ReportNotes.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace miravel {

class Platform;

class FormNotes : public QWidget {
    Q_OBJECT

public:
    explicit FormNotes(Platform& platform);
    ~FormNotes() override;

    QComboBox* Period = nullptr;
    QTabWidget* Tabs = nullptr;
    QComboBox* Number = nullptr;   // 出席番号
    QLabel* StudentName = nullptr;
    QPushButton* Previous = nullptr;
    QPushButton* Next = nullptr;
    std::array<QLabel*, kNoteTexts> TextLabels{};
    std::array<QPlainTextEdit*, kNoteTexts> Texts{};  // [NoteText]
    std::array<QLabel*, kNoteTexts> Counts{};
    QLabel* SchoolDays = nullptr;
    QSpinBox* Excused = nullptr;
    QSpinBox* Absent = nullptr;
    QLineEdit* AttendanceNote = nullptr;
    QLabel* DerivedDays = nullptr;
    std::array<QCheckBox*, kConductItems> Conduct{};
    QTableWidget* List = nullptr;
    QPushButton* PasteButton = nullptr;
    QPushButton* ImportButton = nullptr;
    QPushButton* SettingsButton = nullptr;
    QPushButton* Command1 = nullptr;  // 登録
    QPushButton* Command2 = nullptr;  // ｷｬﾝｾﾙ

    // The notes as the window holds them, typed texts included.
    const ReportNotes& Working() const { return working_; }
    int CurrentPeriod() const { return period_; }
    int CurrentStudent() const { return number_; }
    bool HasPendingChanges() const;

    void ShowStudent(int number);
    void ChoosePeriod(int period);
    // Refills the list tab from the working copy.
    void ShowList();
    // One column from the clipboard into 所見, from the list's current row on.
    void PasteRemarks();
    void ImportRemarks();
    void EditClassSettings();
    void Command1_Click();
    void Command2_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    QWidget* createStudentPage();
    QWidget* createListPage();
    void wire();
    void textChanged(int t);
    void showCount(int t);
    void showDays();
    void showTextsInUse();
    StudentNotes& student();
    void inform(const QString& text);
    void leave();

    Platform& platform_;
    ReportNotes working_;
    int period_ = 1;
    int number_ = 1;
    bool loading_ = false;
    bool closed_ = false;
};

} // namespace miravel
