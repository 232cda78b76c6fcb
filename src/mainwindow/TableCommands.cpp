// The table as a CSV file, and the roster read from a file of names.

#include "mainwindow/frmMain.h"

#include "core/GradeBook.h"
#include "core/TextRules.h"
#include "file/CsvExport.h"
#include "file/RosterImport.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/views/GridBase.h"
#include "platform/Platform.h"

#include <QAction>
#include <QFile>

#include <algorithm>

namespace miravel {

void frmMain::mnuCSVSaveAs_Click()
{
    const QString path = platform_.GetSaveFileName(this, message(texts::kSaveAsTitle), message(texts::kCsvFilter));
    if (path.isEmpty())
        return;
    if (const FileResult error = WriteGridCsv(QFile::encodeName(path).toStdString(), pane_.Grid))
        inform(FailureText(texts::kCannotSaveCsv, path, *error));
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
    GradeBook& book = Book();
    const int count = static_cast<int>(std::min<std::size_t>(names.size(), kStudents));
    bool changed = book.StudentCount != count;
    for (int i = 0; i < count; ++i) {
        changed = changed || book.StudentNames[i] != names[static_cast<std::size_t>(i)];
        book.StudentNames[i] = names[static_cast<std::size_t>(i)];
    }
    book.StudentCount = static_cast<Integer>(count);

    TextGrid& grid = pane_.Grid;
    grid.SetRows(count + 3);
    grid.SetColWidth(1, kNameColumnWidth);
    grid.SetTextMatrix(0, 1, texts::kStudentNameHeading);
    if (count > 0) {
        for (int i = 1; i <= count; ++i) {
            grid.SetTextMatrix(i, 0, Str(i));
            grid.SetTextMatrix(i, 1, book.StudentNames[i - 1]);
        }
        grid.SetTextMatrix(count + 1, 0, "");
        grid.SetTextMatrix(count + 1, 1, "");
        mnuEditNameBook->setEnabled(false);
        mnuFilePrint->setEnabled(true);
        ToolbarButton(message(texts::kKeyPrint))->setEnabled(true);
    }
    ShowPane();
    if (changed)
        book.MarkChanged();

    if (names.size() > static_cast<std::size_t>(kStudents)) {
        const std::size_t leftOut = names.size() - kStudents;
        platform_.ShowMessage(this,
                              message(texts::kTooManyNames) + QString::number(leftOut) +
                                  message(texts::kTooManyNamesEnd),
                              message(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::Information);
    }
}

} // namespace miravel
