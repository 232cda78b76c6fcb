// The table as a CSV file, and the roster read from a file of names.

#include "mainwindow/frmMain.h"

#include "core/GradeBook.h"
#include "mainwindow/CheckListWindow.h"
#include "file/CsvExport.h"
#include "file/RosterImport.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/views/GridBase.h"
#include "platform/Platform.h"

#include <QAction>
#include <QFile>

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
    if (const FileResult error = WriteGridCsv(QFile::encodeName(path).toStdString(), pane_.Grid, report))
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
    if (const FileResult error = ReadRosterFile(QFile::encodeName(path).toStdString(), names)) {
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
    if (window)
        window->Refresh();
    else
        checkWindow_ = window = new CheckListWindow(*this);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace miravel
