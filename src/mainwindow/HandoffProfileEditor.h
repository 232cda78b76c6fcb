#pragma once
// The profile editor of 提出用に書き出す: a profile's name, encoding, header
// row, symbols and its columns as an ordered list; 保存 writes it to a
// profile file the teacher names.

#include "file/HandoffProfile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace miravel {

struct GradeBook;
class Platform;

class HandoffProfileEditor : public QDialog {
    Q_OBJECT
public:
    HandoffProfileEditor(QWidget* parent, Platform& platform, const GradeBook& book, const HandoffProfile& profile);

    QLineEdit* Name = nullptr;
    QComboBox* Encoding = nullptr;   // in the order of HandoffEncoding
    QCheckBox* Header = nullptr;
    QComboBox* Newline = nullptr;    // in the order of HandoffNewline
    QLineEdit* NewlineText = nullptr;  // what a line break becomes
    QLineEdit* Mark = nullptr;         // a 行動 ○
    QLineEdit* Symbols[7] = {};      // A, B, C, 評定 3, 2, 1, none
    QListWidget* Columns = nullptr;
    QPushButton* Up = nullptr;
    QPushButton* Down = nullptr;
    QPushButton* Remove = nullptr;
    QComboBox* NewColumn = nullptr;  // every kind of column, fixed text last
    QLineEdit* FixedText = nullptr;
    QPushButton* Add = nullptr;
    QLineEdit* ColumnHeader = nullptr;
    QPushButton* Save = nullptr;

    // The profile as the fields show it.
    HandoffProfile Profile() const;
    // The file 保存 wrote (empty until it did).
    QString SavedPath() const { return savedPath_; }

private:
    void showColumns(int current);
    void columnChosen();
    void move(int by);
    void removeColumn();
    void addColumn();
    void headerEdited();
    void save();

    Platform& platform_;
    const GradeBook& book_;
    std::vector<HandoffColumn> columns_;
    bool formulas_ = false;  // formulas=allow, kept as the file had it
    QString savedPath_;
};

} // namespace miravel
