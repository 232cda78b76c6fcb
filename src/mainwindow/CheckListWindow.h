#pragma once
// The window of 入力の確認: the findings of the check before printing, one a
// line; a double-click or Enter on a line selects its node in the main
// window. It stays open beside the main window and can check again.

#include <QDialog>

class QListWidget;
class QListWidgetItem;

namespace miravel {

class frmMain;

class CheckListWindow : public QDialog {
    Q_OBJECT
public:
    explicit CheckListWindow(frmMain& main);

    QListWidget* List = nullptr;

    // Runs the check on the book again and shows its lines; the letters seen
    // are kept to become the book's record with its next save.
    void Refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void goTo(QListWidgetItem* item);

    frmMain& main_;
};

} // namespace miravel
