#pragma once
// 平常の記録: one subject's records in one period, students as rows and
// records as columns, filled from the keyboard (RecordKeys), by a block
// pasted from a spreadsheet (RecordPaste) or a column at a time through
// its heading dialog (RecordSheet). 登録 writes the sheet into the book as
// one undo step (RecordBook); ｷｬﾝｾﾙ and Esc ask first when something would
// be lost. The window only wires its controls to those rules.

#include "editors/records/RecordSheet.h"
#include "grades/TreeNodes.h"

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;
class QTableWidget;

namespace miravel {

class Platform;
struct GridKey;

class FormRecords : public QDialog {
    Q_OBJECT

public:
    FormRecords(Platform& platform, RecordsPlace place, QWidget* parent = nullptr);

    QLabel* lblHeading = nullptr;
    QTableWidget* tblRecords = nullptr;
    QLabel* lblStatus = nullptr;  // what the last key or paste did
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdHeading = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdPaste = nullptr;
    QPushButton* cmdRegister = nullptr;
    QPushButton* cmdCancel = nullptr;

    const RecordSheet& Sheet() const { return sheet_; }
    bool HasPendingChanges() const { return sheet_ != opened_ || !typing_.empty(); }

    void AddRecordClick();
    void ChangeHeadingClick();
    void RemoveRecordClick();
    void PasteClick();
    void RegisterClick();
    void CancelClick();
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void showSheet();
    void showCell(int row, int column);
    bool cellKey(const GridKey& key);
    // Digits typed into a cell the teacher left by a click are entered.
    void enterTyping(int row, int column);
    void moveTo(int row, int column);
    int recordAt(int column) const { return column - 2; }
    bool named(int row) const;
    void inform(const std::string& text);
    void leave();

    Platform& platform_;
    RecordsPlace place_;
    RecordSheet sheet_;
    RecordSheet opened_;
    std::string typing_;
    int typingRow_ = -1, typingColumn_ = -1;
    bool leaving_ = false;
};

} // namespace miravel
