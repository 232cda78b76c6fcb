#pragma once
// ファイル → 学年の集計: the books of a grade's classes (protected ones ask
// their password once, when they are added), the period, and the summary in
// two tabs: the table with its marks and why, and the students. Prints the
// tab shown; saves the table as CSV.

#include "grades/GradeSummary.h"

#include <QDialog>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace miravel {

class frmMain;

inline constexpr const char kMenuFileGradeSummary[] = "学年の集計(&G)...";

class GradeSummaryWindow : public QDialog {
    Q_OBJECT
public:
    explicit GradeSummaryWindow(frmMain& main);
    ~GradeSummaryWindow() override;

    QListWidget* Books = nullptr;
    QPushButton* AddBook = nullptr;
    QPushButton* AddFolder = nullptr;
    QPushButton* RemoveBook = nullptr;
    QComboBox* Period = nullptr;
    QSpinBox* Margin = nullptr;
    QLabel* Methods = nullptr;
    QTabWidget* Tabs = nullptr;
    QTableWidget* Table = nullptr;
    QListWidget* Why = nullptr;
    QTableWidget* Students = nullptr;
    QPushButton* Print = nullptr;
    QPushButton* SaveCsv = nullptr;

    // Reads the book and adds it; false, after saying why, when it cannot.
    bool AddBookFile(const QString& path);
    // The summary of the books and period chosen, drawn into both tabs.
    void Refresh();
    const GradeSummary& Summary() const { return summary_; }

private:
    void chooseBook();
    void chooseFolder();
    void removeBook();
    void printShown();
    void saveCsv();
    bool readBook(const QString& path, GradeBook& book);
    void fillPeriods();
    void fillTable();
    void fillStudents();
    void say(const QString& text);
    std::vector<SummaryBook> books() const;

    struct Held {
        QString path;
        bool isProtected = false;
        std::unique_ptr<GradeBook> book;
    };
    frmMain& main_;
    std::vector<Held> held_;
    GradeSummary summary_;
    bool periodRefused_ = false;
};

// Shows the window over the main window.
void ShowGradeSummary(frmMain& main);

} // namespace miravel
