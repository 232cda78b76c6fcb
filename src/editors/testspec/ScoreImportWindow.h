#pragma once
// 得点の読み込み: a file of scores shown row by row with the student each
// row was matched to, the scores the table holds and the ones the file
// gives, before 取り込む takes them into the test editor's table.

#include "core/GradeBook.h"
#include "core/TextGrid.h"
#include "editors/testspec/ScoreImport.h"

#include <QDialog>

#include <array>
#include <map>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace miravel {

class PreviewRows;

class ScoreImportWindow : public QDialog {
    Q_OBJECT

public:
    ScoreImportWindow(const CsvTableFile& file, const QString& path, const GradeBook& book, const TextGrid& grid,
                      const ViewpointChecks& checks, const ViewpointTexts& fullMarks, QWidget* parent = nullptr);

    const ScoreImportPlan& Plan() const { return plan_; }
    // The full marks the scores are checked against: the editor's, with
    // the ones the file offers where the teacher took them.
    const ViewpointTexts& FullMarks() const { return fullMarks_; }
    bool StoreAccounts() const;
    // What the summary after the import says besides the count: the named
    // students without a row ("提出のない児童：…"), or "".
    QString WithoutRows() const;

    QComboBox* NumberColumn = nullptr;
    QComboBox* NameColumn = nullptr;
    QComboBox* AccountColumn = nullptr;
    QComboBox* StampColumn = nullptr;
    std::array<QComboBox*, kViewpoints> PointColumns{};
    QCheckBox* HeaderRow = nullptr;
    QCheckBox* TakeFullMarks = nullptr;
    QCheckBox* KeepAccounts = nullptr;
    QTableView* Rows = nullptr;
    PreviewRows* RowsShown = nullptr;  // Rows' model
    QLabel* Summary = nullptr;
    QPushButton* Take = nullptr;

    void Refresh();

private:
    const CsvTableFile& file_;
    const GradeBook& book_;
    const TextGrid& grid_;
    ViewpointChecks checks_;
    ViewpointTexts typedFullMarks_;
    ViewpointTexts fullMarks_;
    ScoreImportPlan plan_;
    std::map<int, int> picked_;  // attendance number -> the file row the teacher ticked
};

} // namespace miravel
