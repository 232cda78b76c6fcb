#pragma once
// The list of a book's saved versions, newest first, from which one is
// chosen to open: 以前の版を開く; or all of them deleted.

#include <QDialog>
#include <QString>

#include <vector>

class QPushButton;
class QTreeWidget;

namespace miravel {

struct VersionRow {
    QString path;         // the kept file
    QString time;         // when it was the saved book: "2025/04/07 09:30:15"
    QString description;  // the steps that led to it
    int students = -1;    // -1: the version could not be read
    int tests = -1;
};

class VersionsWindow : public QDialog {
    Q_OBJECT
public:
    // What exec() gives when 以前の版をすべて削除 was pressed.
    static constexpr int DeleteAll = 2;

    VersionsWindow(const std::vector<VersionRow>& rows, QWidget* parent);

    // The version chosen when the dialog was accepted.
    QString ChosenPath() const;

    QTreeWidget* List = nullptr;
    QPushButton* OpenButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* DeleteAllButton = nullptr;
};

} // namespace miravel
