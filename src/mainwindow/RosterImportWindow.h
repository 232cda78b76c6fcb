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
class QTableWidget;

namespace miravel {

class RosterImportWindow : public QDialog {
    Q_OBJECT

public:
    // `onlyEmpty`: the roster has names, so only empty numbers are filled.
    RosterImportWindow(const CsvTableFile& file, const QString& path, const GradeDocument& book, bool onlyEmpty,
                       QWidget* parent = nullptr);

    // The rows as the current choices place them.
    const RosterPlan& Plan() const { return plan_; }

    QComboBox* NameColumn = nullptr;
    QComboBox* NumberColumn = nullptr;
    QComboBox* AccountColumn = nullptr;
    QComboBox* CodeColumn = nullptr;
    QCheckBox* HeaderRow = nullptr;
    QTableWidget* Rows = nullptr;
    QLabel* Summary = nullptr;
    QPushButton* Import = nullptr;

    // Recomputes the plan from the choices and shows it.
    void Refresh();

private:
    const CsvTableFile& file_;
    const GradeDocument& book_;
    bool onlyEmpty_;
    RosterPlan plan_;
};

} // namespace miravel
