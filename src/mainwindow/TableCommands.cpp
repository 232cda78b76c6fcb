// The table as a CSV file, the roster read from a file of names, and the
// check list.

#include "mainwindow/frmMain.h"

#include "core/GradeBook.h"
#include "file/CsvExport.h"
#include "file/RosterImport.h"
#include "mainwindow/CheckListWindow.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "grades/GridBase.h"
#include "platform/Platform.h"
#include "platform/FileLayerPath.h"

#include <QAction>
#include <QGroupBox>

#include <algorithm>

namespace miravel {

void frmMain::mnuCSVSaveAs_Click()
{
    const QString path = platform_.GetSaveFileName(this, message(texts::kSaveAsTitle), message(texts::kCsvFilter));
    if (path.isEmpty())
        return;
    if (const QString clash = csvClashWithOpenBook(path); !clash.isEmpty()) {
        inform(clash);
        return;
    }
    SaveReport report;
    if (const FileResult error = WriteGridCsv(FileLayerPath(path), pane_.Grid, report))
        inform(FailureText(texts::kCannotSaveCsv, path, *error));
    else if (report.BackupMissing())
        SetStatusHint(message(texts::kBackupMissing));
}

void frmMain::mnuEditNameBook_Click()
{
    const QString path = platform_.GetOpenFileName(this, message(texts::kOpenTitle), message(texts::kCsvFilter));
    if (path.isEmpty())
        return;
    std::vector<std::string> names;
    if (const FileResult error = ReadRosterFile(FileLayerPath(path), names)) {
        inform(FailureText(texts::kCannotReadNameBook, path, *error));
        return;
    }

    // The roster holds 40 names; the rest of a longer file is reported.
    const RosterImportResult imported = ImportRoster(Book(), names);
    miravel::MSFlexGrid1_init(Book(), pane_.Grid);
    pane_.Grid.SetRows(imported.imported + 3);
    ShowPane();
    applyCommands();
    // The caption counts the imported students.
    showClassCaption();

    if (imported.leftOut > 0) {
        platform_.ShowMessage(this,
                              message(texts::kTooManyNames) + QString::number(imported.leftOut) +
                                  message(texts::kTooManyNamesEnd),
                              message(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::Information);
    }
}

// The check list stays open beside the window; asking again checks again.
void frmMain::mnuEditCheck_Click()
{
    auto* window = qobject_cast<CheckListWindow*>(checkWindow_.data());
    if (window) {
        window->Refresh();
    } else {
        checkWindow_ = window = new CheckListWindow(*this);
        // Over the lower part of the table, so the tree and the table's
        // head stay in sight while the teacher goes from line to line.
        const QPoint tableCorner = Frame1->mapToGlobal(QPoint(0, 0));
        window->move(tableCorner.x(), std::max(tableCorner.y(), frameGeometry().bottom() - window->frameGeometry().height()));
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace miravel
