// The test editor's ways of taking scores from elsewhere: pasting a block
// copied from a spreadsheet, and reading a score file after a preview. The
// rules are in ScorePaste and ScoreImport.

#include "editors/testspec/FormTestSpec.h"

#include "core/GradeBook.h"
#include "editors/testspec/ScoreImport.h"
#include "editors/testspec/ScoreImportWindow.h"
#include "editors/testspec/ScorePaste.h"
#include "editors/testspec/ScoreTable.h"
#include "editors/testspec/TestSpecTexts.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "platform/Platform.h"
#include "platform/FileLayerPath.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>

namespace miravel {

namespace ts = testspec_texts;

bool ClipboardHoldsBlock()
{
    const QString text = QGuiApplication::clipboard()->text();
    return text.contains(QLatin1Char('\t')) || text.trimmed().contains(QLatin1Char('\n'));
}

void FormTestSpec::wireImport()
{
    connect(Command6, &QPushButton::clicked, this, [this] { ImportScores(); });
    // Ctrl+V away from the entry fields pastes at the current student; an
    // entry field takes a block itself (eventFilter) and a single value as text.
    auto* paste = new QShortcut(QKeySequence::Paste, this);
    connect(paste, &QShortcut::activated, this, [this] { PasteScores(pasteViewpoint()); });

    MSFlexGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MSFlexGrid1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int row = MSFlexGrid1->rowAt(at.y()), col = MSFlexGrid1->columnAt(at.x());
        if (row >= 1 && row <= Book().StudentCount)
            MSFlexGrid1_Click(row, col);
        QMenu menu(this);
        QAction* pasteHere = menu.addAction(QString::fromUtf8(ts::kPaste));
        pasteHere->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
        QAction* import = menu.addAction(QString::fromUtf8(ts::kImportScores));
        QAction* chosen = menu.exec(MSFlexGrid1->viewport()->mapToGlobal(at));
        if (chosen == pasteHere)
            PasteScores(pasteViewpoint());
        else if (chosen == import)
            ImportScores();
    });
}

int FormTestSpec::pasteViewpoint() const
{
    for (int k = 0; k < kViewpoints; ++k)
        if (Entries[k]->hasFocus() && Checks[k]->isChecked())
            return k;
    return FocusAfterMove(checks());
}

void FormTestSpec::PasteScores(int k)
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.isEmpty() || !commit())
        return;
    GradeBook& book = Book();
    const PasteResult result = PasteBlock(book, grid_, ClipboardBlock(text.toStdString()), book.CurrentStudentNo, k,
                                          checks(), fullMarksTexts());
    showGrid();
    const ViewpointTexts row = RowEntries(grid_, book.CurrentStudentNo);
    for (int v = 0; v < kViewpoints; ++v)
        Entries[v]->setText(QString::fromStdString(row[v]));
    inform(QString::fromStdString(PasteSummary(book, result)));
    focusEntry(k);
}

void FormTestSpec::ImportScores()
{
    const QString path = platform_.GetOpenFileName(this, QString::fromUtf8(texts::kOpenTitle),
                                                   QString::fromUtf8(texts::kTableFilter));
    if (path.isEmpty() || !commit())
        return;
    CsvTableFile file;
    if (const FileResult error = ReadCsvTable(FileLayerPath(path), file)) {
        inform(FailureText(ts::kCannotReadScores, path, *error));
        return;
    }
    GradeBook& book = Book();
    ScoreImportWindow preview(file, path, book, grid_, checks(), fullMarksTexts(), this);
    if (preview.exec() != QDialog::Accepted)
        return;
    for (int k = 0; k < kViewpoints; ++k)
        if (FullMarks[k]->text().isEmpty() && !preview.FullMarks()[k].empty())
            FullMarks[k]->setText(QString::fromStdString(preview.FullMarks()[k]));
    const int taken = ApplyScoreImport(book, grid_, preview.Plan(), preview.FullMarks());
    if (preview.StoreAccounts())
        for (const ScoreImportRow& row : preview.Plan().rows)
            if (row.number && row.refusal.empty() && !row.newAccount.empty())
                newAccounts_[row.number] = row.newAccount;
    showGrid();
    loadStudent(book.CurrentStudentNo);
    const QString missing = preview.WithoutRows();
    inform(QString::number(taken) + QString::fromUtf8(ts::kScoresTaken) +
           (missing.isEmpty() ? QString() : QStringLiteral("\n") + missing) + QStringLiteral("\n") +
           QString::fromUtf8(ts::kNotInFileYet));
}

} // namespace miravel
