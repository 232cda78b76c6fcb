// The table as a CSV file, the roster read from a file of names, and the
// check list.

#include "mainwindow/frmMain.h"

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "file/BookSave.h"
#include "file/CsvExport.h"
#include "file/RosterImport.h"
#include "file/RosterTable.h"
#include "file/TextFileDecoding.h"
#include "mainwindow/RosterImportWindow.h"
#include "mainwindow/CheckListWindow.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/HandoffWindow.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/TablePdfName.h"
#include "grades/GridBase.h"
#include "platform/Platform.h"
#include "platform/FileLayerPath.h"

#include <QAction>
#include <QDate>
#include <QDateTime>
#include <QGroupBox>

#include <algorithm>

namespace miravel {

void frmMain::mnuCSVSaveAs_Click()
{
    if (!ConfirmPlainExport())
        return;
    const QString path = platform_.GetSaveFileName(this, message(texts::kSaveAsTitle), message(texts::kCsvFilter),
                                                   QString::fromStdString(TablePdfName(Book())));
    if (path.isEmpty())
        return;
    if (const QString clash = csvClashWithOpenBook(path); !clash.isEmpty()) {
        inform(clash);
        return;
    }
    SaveReport report;
    if (const FileResult error = WriteGridCsv(FileLayerPath(path), pane_.Grid, report,
                                                    BookFileMode(Book().CurrentFilePath)))
        inform(FailureText(texts::kCannotSaveCsv, path, *error));
    else if (report.BackupMissing())
        SetStatusHint(message(texts::kBackupMissing));
}

void frmMain::mnuFileHandoff_Click()
{
    if (!ConfirmPlainExport())
        return;
    HandoffWindow window(*this);
    window.exec();
}

void frmMain::mnuEditNameBook_Click()
{
    const QString path = platform_.GetOpenFileName(this, message(texts::kOpenTitle), message(texts::kRosterFilter));
    if (path.isEmpty())
        return;
    CsvTableFile file;
    DecodedText decoded;
    if (const FileResult error = ReadTextFile(FileLayerPath(path), decoded)) {
        inform(FailureText(texts::kCannotReadNameBook, path, *error));
        return;
    }
    file.encoding = decoded.encoding;
    file.rows = ParseCsv(decoded.text, DetectSeparator(decoded.text));
    const bool table = IsRosterTable(file.rows);
    const bool onlyEmpty = Book().CountEnrolledStudents() > 0;
    if (!table) {
        // A list of names, one column as a name book always was.
        const std::vector<std::string> names = ParseRosterNames(decoded.text);
        file.rows.clear();
        for (const std::string& name : names)
            file.rows.push_back({name});
    }
    // A plain list into an empty roster needs no preview unless a name is
    // refused or doubtful.
    const RosterPlan direct = PlanRoster(file.rows, ImportColumns{0}, false, Book(), onlyEmpty);
    // Names past the 40th are reported after the import, as always.
    const bool clean = std::all_of(direct.rows.begin(), direct.rows.end(),
                                   [](const RosterRow& row) { return row.note.empty() || row.number == 0; });
    RosterImportResult imported;
    if (!table && !onlyEmpty && clean) {
        std::vector<std::string> names;
        for (const CsvRow& row : file.rows)
            names.push_back(row[0]);
        imported = ImportRoster(Book(), names);
    } else {
        const QDate today = platform_.Now().date();
        const SchoolYearChoices years = SchoolYearsAround(today.year(), today.month());
        // A class not registered yet (or whose editor was left empty) may
        // take its grade and class from the file.
        const GradeBook& book = Book();
        const bool unregistered = book.SchoolYear == texts::kNotRegisteredYet ||
                                  (book.SchoolYear + book.GradeLevel + book.ClassName).empty();
        const std::string year = unregistered ? years.years[static_cast<std::size_t>(years.current)] : std::string();
        RosterImportWindow preview(file, path, Book(), onlyEmpty, year, this);
        if (preview.exec() != QDialog::Accepted)
            return;
        ApplyRosterPlan(Book(), preview.Plan());
        imported.imported = Book().StudentCount;
    }

    miravel::MSFlexGrid1_init(Book(), pane_.Grid);
    pane_.Grid.SetRows(Book().StudentCount + 3);
    ShowPane();
    applyCommands();
    // The caption counts the imported students.
    showClassCaption();
    SetStatusHint(message(texts::kNameBookRead) + QString::number(Book().CountEnrolledStudents()) +
                  QStringLiteral("名（") + QString::fromUtf8(EncodingName(file.encoding)) + QStringLiteral("）"));

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
