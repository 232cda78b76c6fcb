#pragma once
// 名簿の読み込み: a roster table from another program, shown row by row with
// the attendance number each name will take, before anything is stored. The
// teacher chooses the columns of names, numbers, accounts and codes and
// whether the first row is a header; refused and doubtful rows say why.

#include "core/GradeBook.h"
#include "file/RosterTable.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace miravel {

class PreviewRows;

class RosterImportWindow : public QDialog {
    Q_OBJECT

public:
    // `onlyEmpty`: the roster has names, so only empty numbers are filled.
    // `schoolYear`: for a class not registered yet, the year it takes with
    // the file's 学年 and 組; empty for a registered class.
    RosterImportWindow(const CsvTableFile& file, const QString& path, const GradeDocument& book, bool onlyEmpty,
                       const std::string& schoolYear = std::string(), QWidget* parent = nullptr);

    // The rows as the current choices place them.
    const RosterPlan& Plan() const { return plan_; }

    QComboBox* NameColumn = nullptr;
    QComboBox* NumberColumn = nullptr;
    QComboBox* AccountColumn = nullptr;
    QComboBox* CodeColumn = nullptr;
    QCheckBox* HeaderRow = nullptr;
    QCheckBox* ClassFields = nullptr;  // shown when the file offers 学年 or 組
    QTableView* Rows = nullptr;
    PreviewRows* RowsShown = nullptr;  // Rows' model
    QLabel* Summary = nullptr;
    QPushButton* Import = nullptr;

    // Recomputes the plan from the choices and shows it.
    void Refresh();

private:
    const CsvTableFile& file_;
    const GradeDocument& book_;
    bool onlyEmpty_;
    std::string schoolYear_;
    RosterPlan plan_;
};

} // namespace miravel
