#pragma once
// The preview before 所見 from elsewhere go into the notes editor: each
// pasted cell or file row beside the student it reaches, the text held now,
// the new one and why a row is not taken. A file's columns can be chosen.

#include "core/GradeBook.h"
#include "editors/notes/NotesPaste.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace miravel {

class NotesImportWindow : public QDialog {
    Q_OBJECT

public:
    // A pasted column, already planned.
    NotesImportWindow(const GradeBook& book, const TextImportPlan& plan, QWidget* parent = nullptr);
    // A file: planned here, again whenever a choice changes. Its texts go
    // into the 所見 of `period`, or another text the class writes.
    NotesImportWindow(const GradeBook& book, const ReportNotes& notes, int period, const CsvTableFile& file,
                      const QString& path, QWidget* parent = nullptr);

    const TextImportPlan& Plan() const { return plan_; }
    // The text the file fills (a file only).
    NoteText Target() const;

    QComboBox* NumberColumn = nullptr;
    QComboBox* CodeColumn = nullptr;
    QComboBox* NameColumn = nullptr;
    QComboBox* TextColumn = nullptr;
    QComboBox* TargetText = nullptr;
    QCheckBox* HeaderRow = nullptr;
    QTableWidget* Rows = nullptr;
    QLabel* Summary = nullptr;
    QPushButton* Take = nullptr;

private:
    void build(QLayout* choices, const QString& fileLine);
    void replan();
    void showPlan();

    const GradeBook& book_;
    const ReportNotes* notes_ = nullptr;
    int period_ = 1;
    const CsvTableFile* file_ = nullptr;
    TextImportPlan plan_;
};

} // namespace miravel
