#include "mainwindow/GradeSummaryWindow.h"

#include "core/Defaults.h"
#include "core/EvaluationRules.h"
#include "file/CompanionFile.h"
#include "file/GradeBookFile.h"
#include "file/ProtectedBook.h"
#include "file/SafeWrite.h"
#include "file/SameFile.h"
#include "grades/EvaluationList.h"
#include "grades/SummaryTexts.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/ProtectionTexts.h"
#include "mainwindow/PrintTarget.h"
#include "mainwindow/TablePrintCommand.h"
#include "mainwindow/frmMain.h"
#include "platform/FileLayerPath.h"
#include "platform/Platform.h"
#include "print/GradeSummaryPage.h"
#include "print/PdfFile.h"

#include <QColor>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace miravel {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }
QString S(const std::string& text) { return QString::fromStdString(text); }

const char* const kTitle = "学年の集計";
const char* const kAddTitle = "集計する成績ファイルを開く";
const char* const kFolderTitle = "フォルダーの成績ファイルを一つ選ぶ（そのフォルダーの成績ファイルをすべて加えます）";
const char* const kCsvTitle = "学年の集計をCSVファイルに保存";
const char* const kCsvFilter = "CSV (*.csv)|*.csv";
const char* const kAlreadyAdded = "この成績ファイルはすでに加えてあります。";
const char* const kNotAdded = "次のファイルは成績ファイルとして読み込めないため、加えませんでした。";
const char* const kCannotSaveCsv = "CSVファイルを保存できません。";
const char* const kCsvOntoBook = "成績ファイル（またはそのバックアップ）には保存できません。別の名前を指定してください。";
const char* const kNamesInPlain =
    "パスワード付きの成績ファイルの生徒の名前を印刷します。PDFファイルに印刷すると、そのファイルにはパスワードがかかりません。続けますか？";
const char* const kNoBooks = "［成績ファイルを追加］か［フォルダーから追加］で、学年の学級の成績ファイルを加えてください。";

QColor ToColor(Rgb rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

QTableWidgetItem* Cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

bool IsBookName(const QString& name)
{
    return name.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive) ||
           name.endsWith(QStringLiteral(".mrvl"), Qt::CaseInsensitive);
}

} // namespace

GradeSummaryWindow::GradeSummaryWindow(frmMain& main) : QDialog(&main), main_(main)
{
    setObjectName(QStringLiteral("GradeSummaryWindow"));
    setWindowTitle(U(kTitle));
    Books = new QListWidget(this);
    AddBook = new QPushButton(U("成績ファイルを追加(&A)..."), this);
    AddFolder = new QPushButton(U("フォルダーから追加(&F)..."), this);
    RemoveBook = new QPushButton(U("外す(&R)"), this);
    Period = new QComboBox(this);
    Margin = new QSpinBox(this);
    Margin->setRange(1, 100);
    Margin->setValue(kDefaultMarginPoints);
    Margin->setSuffix(U(" ポイント"));
    Methods = new QLabel(this);
    Methods->setWordWrap(true);
    Methods->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Tabs = new QTabWidget(this);
    Table = new QTableWidget(this);
    Why = new QListWidget(this);
    Students = new QTableWidget(this);
    for (QTableWidget* table : {Table, Students}) {
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->verticalHeader()->hide();
        table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    }
    // Six or so classes of a grade; the table gets the room.
    Books->setMaximumHeight(Books->fontMetrics().height() * 7);
    Print = new QPushButton(U("印刷(&I)..."), this);
    SaveCsv = new QPushButton(U("CSVに保存(&S)..."), this);
    auto* close = new QPushButton(U("閉じる"), this);

    auto label = [this](const char* caption, QWidget* buddy) {
        auto* shown = new QLabel(U(caption), this);
        shown->setBuddy(buddy);
        return shown;
    };
    Books->setAccessibleName(U("集計する成績ファイル"));
    Period->setAccessibleName(U("期間"));
    Margin->setAccessibleName(U("印を付ける差"));
    Methods->setAccessibleName(U("評価の方法"));
    Table->setAccessibleName(U("集計の表"));
    Why->setAccessibleName(U("印の理由"));
    Students->setAccessibleName(U("話し合う生徒"));
    Tabs->setAccessibleName(U("集計と話し合う生徒"));

    auto* bookButtons = new QVBoxLayout;
    bookButtons->addWidget(AddBook);
    bookButtons->addWidget(AddFolder);
    bookButtons->addWidget(RemoveBook);
    bookButtons->addStretch();
    auto* choice = new QGridLayout;
    choice->addWidget(label("集計する成績ファイル(&B)：", Books), 0, 0, 1, 2);
    choice->addWidget(Books, 1, 0, 1, 2);
    choice->addLayout(bookButtons, 1, 2);
    choice->addWidget(label("期間(&P)：", Period), 2, 0);
    choice->addWidget(Period, 2, 1);
    choice->addWidget(label("A・C の割合がほかの組とこれより違えば印(&M)：", Margin), 3, 0);
    choice->addWidget(Margin, 3, 1);
    choice->setColumnStretch(1, 1);

    auto* tablePage = new QWidget(this);
    auto* tableLayout = new QVBoxLayout(tablePage);
    tableLayout->addWidget(Table, 3);
    tableLayout->addWidget(label("◆ の理由(&W)：", Why));
    tableLayout->addWidget(Why, 1);
    Tabs->addTab(tablePage, U("集計(&T)"));
    Tabs->addTab(Students, U("話し合う生徒(&U)"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Print);
    buttons->addWidget(SaveCsv);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(Methods);
    layout->addWidget(Tabs, 1);
    layout->setStretch(0, 0);
    layout->addLayout(buttons);
    resize(1100, 720);

    connect(AddBook, &QPushButton::clicked, this, &GradeSummaryWindow::chooseBook);
    connect(AddFolder, &QPushButton::clicked, this, &GradeSummaryWindow::chooseFolder);
    connect(RemoveBook, &QPushButton::clicked, this, &GradeSummaryWindow::removeBook);
    connect(Period, &QComboBox::currentIndexChanged, this, &GradeSummaryWindow::Refresh);
    connect(Margin, &QSpinBox::valueChanged, this, &GradeSummaryWindow::Refresh);
    connect(Print, &QPushButton::clicked, this, &GradeSummaryWindow::printShown);
    connect(SaveCsv, &QPushButton::clicked, this, &GradeSummaryWindow::saveCsv);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(Books, AddBook);
    setTabOrder(AddBook, AddFolder);
    setTabOrder(AddFolder, RemoveBook);
    setTabOrder(RemoveBook, Period);
    setTabOrder(Period, Margin);
    setTabOrder(Margin, Tabs);
    setTabOrder(Tabs, Table);
    setTabOrder(Table, Why);
    setTabOrder(Why, Students);
    setTabOrder(Students, Print);
    setTabOrder(Print, SaveCsv);
    setTabOrder(SaveCsv, close);
    fillPeriods();
    Refresh();
}

GradeSummaryWindow::~GradeSummaryWindow() = default;

void GradeSummaryWindow::say(const QString& text)
{
    main_.platform().ShowMessage(this, text, U(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
}

std::vector<SummaryBook> GradeSummaryWindow::books() const
{
    std::vector<SummaryBook> given;
    for (const Held& held : held_)
        given.push_back({QFileInfo(held.path).fileName().toStdString(), held.book.get()});
    return given;
}

bool GradeSummaryWindow::readBook(const QString& path, GradeBook& book)
{
    const std::string file = FileLayerPath(path);
    std::string bytes;
    FileResult error = ReadWholeFile(file, bytes);
    if (!error && IsProtectedBook(bytes)) {
        // Asked once, here: the book stays read while the window is open.
        const QString prompt = U(texts::kAskPassword).arg(QFileInfo(path).fileName());
        for (;;) {
            const QString typed = main_.platform().AskPassword(this, prompt);
            if (typed.isEmpty())
                return false;
            std::string password = typed.toStdString();
            std::unique_ptr<BookKey> key;
            error = ReadProtectedBook(file, password, book, key);
            WipePassword(password);
            if (!IsWrongPassword(error))
                break;
            say(U(texts::kWrongPassword));
        }
    } else if (!error) {
        error = ParseGradeBook(bytes, book);
        // A damaged settings file is said; the book goes on with the defaults, as Open does.
        if (!error)
            if (FileResult settings = ReadCompanion(file, book.Evaluation))
                say(FailureText(texts::kCannotReadCompanion, S(CompanionPath(file)), *settings));
    }
    if (error)
        say(FailureText(texts::kNotAGradeBook, path, *error));
    return !error;
}

bool GradeSummaryWindow::AddBookFile(const QString& path)
{
    const std::string file = FileLayerPath(path);
    if (std::any_of(held_.begin(), held_.end(), [&](const Held& h) { return SameFile(FileLayerPath(h.path), file); })) {
        say(U(kAlreadyAdded) + QLatin1Char('\n') + QDir::toNativeSeparators(path));
        return false;
    }
    auto book = std::make_unique<GradeBook>();
    if (!readBook(path, *book))
        return false;
    held_.push_back({path, IsProtectedBookFile(file), std::move(book)});
    Books->addItem(QDir::toNativeSeparators(path));
    fillPeriods();
    Refresh();
    return true;
}

void GradeSummaryWindow::chooseBook()
{
    const QString path = main_.platform().GetOpenFileName(this, U(kAddTitle), U(texts::kOpenFilter));
    if (!path.isEmpty())
        AddBookFile(path);
}

void GradeSummaryWindow::chooseFolder()
{
    const QString chosen = main_.platform().GetOpenFileName(this, U(kFolderTitle), U(texts::kOpenFilter));
    if (chosen.isEmpty())
        return;
    const QDir folder = QFileInfo(chosen).absoluteDir();
    QStringList refused;
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(name);
        if (!IsBookName(name) ||
            std::any_of(held_.begin(), held_.end(), [&](const Held& h) { return SameFile(FileLayerPath(h.path), FileLayerPath(path)); }))
            continue;
        // A text file that is not a grade book is named once at the end, not one box each.
        std::string bytes;
        GradeDocument probe;
        const std::string file = FileLayerPath(path);
        if (!ReadWholeFile(file, bytes) && !IsProtectedBook(bytes) && ParseGradeBook(bytes, probe)) {
            refused << name;
            continue;
        }
        AddBookFile(path);
    }
    if (!refused.isEmpty())
        say(U(kNotAdded) + QLatin1Char('\n') + refused.join(QStringLiteral("、")));
}

void GradeSummaryWindow::removeBook()
{
    const int row = Books->currentRow();
    if (row < 0 || row >= static_cast<int>(held_.size()))
        return;
    held_.erase(held_.begin() + row);
    delete Books->takeItem(row);
    fillPeriods();
    Refresh();
}

void GradeSummaryWindow::fillPeriods()
{
    const int chosen = Period->currentData().isValid() ? Period->currentData().toInt() : 0;
    std::vector<SummaryBook> given = books();
    // Without books the periods are named as a new book names them.
    auto fresh = std::make_unique<GradeBook>();
    InitDefaults(*fresh);
    if (given.empty())
        given.push_back({"", fresh.get()});
    const QSignalBlocker quiet(Period);
    Period->clear();
    for (int period = 0; period < kPeriods; ++period)
        if (PeriodProblem(given, period).empty())
            Period->addItem(S(SummaryPeriodName(given, period)), period);
    const int index = Period->findData(chosen);
    Period->setCurrentIndex(index < 0 ? 0 : index);
}

void GradeSummaryWindow::Refresh()
{
    const std::vector<SummaryBook> given = books();
    summary_ = SummarizeGrade(given, Period->currentData().toInt(), Margin->value());
    QStringList lines;
    for (const std::string& line : summary_.methodLines)
        lines << S(line);
    for (const std::string& line : summary_.warnings)
        lines << S(line);
    Methods->setText(given.empty() ? U(kNoBooks) : lines.join(QLatin1Char('\n')));
    Print->setEnabled(!given.empty());
    SaveCsv->setEnabled(!given.empty());
    fillTable();
    fillStudents();
}

void GradeSummaryWindow::fillTable()
{
    const int groups = static_cast<int>(summary_.classNames.size()) + 1;
    Table->clear();
    Table->setColumnCount(2 + 4 * groups);
    Table->setRowCount(static_cast<int>(summary_.rows.size()));
    QStringList heads{U("教科"), U("観点")};
    for (int g = 0; g < groups; ++g)
        for (const std::string& head : TallyHeads(false))
            heads << S((g + 1 < groups ? summary_.classNames[g] : std::string("学年")) + "\n" + head);
    Table->setHorizontalHeaderLabels(heads);
    for (int r = 0; r < Table->rowCount(); ++r) {
        const SummaryRow& row = summary_.rows[r];
        Table->setItem(r, 0, Cell(S(row.subject)));
        Table->setItem(r, 1, Cell(S(RowLabel(row))));
        for (int g = 0; g < groups; ++g) {
            const std::optional<Tally> tally = g + 1 < groups ? row.classes[g] : std::optional<Tally>(row.grade);
            for (int k = 0; tally && k < 4; ++k) {
                const bool marked = g + 1 < groups && !row.gradeRow && IsMarked(summary_, r, g, k);
                QTableWidgetItem* item = Cell(QStringLiteral("%1%2（%3）")
                                                  .arg(marked ? U("◆") : QString())
                                                  .arg(tally->counts[k])
                                                  .arg(S(ShareText(tally->counts[k], tally->Named()))));
                if (marked)
                    item->setBackground(ToColor(kMarkTint));
                Table->setItem(r, 2 + 4 * g + k, item);
            }
        }
    }
    Table->resizeColumnsToContents();
    Why->clear();
    for (const SummaryMark& mark : summary_.marks) {
        Why->addItem(S("◆ " + MarkLine(summary_, mark)));
        if (QTableWidgetItem* item = Table->item(mark.row, 2 + 4 * mark.book + mark.letter))
            item->setToolTip(S(MarkLine(summary_, mark)));
    }
}

void GradeSummaryWindow::fillStudents()
{
    Students->clear();
    Students->setColumnCount(5);
    Students->setHorizontalHeaderLabels({U("組"), U("出席番号"), U("氏名"), U("教科"), U("内容")});
    Students->setRowCount(static_cast<int>(summary_.students.size()));
    for (int r = 0; r < Students->rowCount(); ++r) {
        const SummaryStudent& student = summary_.students[r];
        const std::string cells[] = {summary_.classNames[student.book], NumberText(student), student.name,
                                     student.subject, ConcernText(student)};
        for (int c = 0; c < 5; ++c)
            Students->setItem(r, c, Cell(S(cells[c])));
    }
    Students->resizeColumnsToContents();
    Students->horizontalHeader()->setStretchLastSection(true);
}

void GradeSummaryWindow::printShown()
{
    const bool students = Tabs->currentIndex() == 1;
    const bool anyProtected = std::any_of(held_.begin(), held_.end(), [](const Held& h) { return h.isProtected; });
    Platform& platform = main_.platform();
    if (students && anyProtected &&
        platform.ShowMessage(this, U(kNamesInPlain), U(texts::kProgramTitle), MessageButtons::YesNo,
                             MessageIcon::None) != MessageAnswer::Yes)
        return;
    if (!ChoosePrintTarget(platform, this, U("印刷"), U(kTitle)))
        return;
    QPrinter& printer = platform.Printer();
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    const std::string date = platform.Today().toString(platform.ShortDateFormat()).toStdString();
    const PrintArea area = PrintAreaOf(printer.pageLayout());
    PrintOnChosenPrinter(main_,
                         students ? LayoutSummaryStudentPages(summary_, area, date)
                                  : LayoutGradeSummaryPages(summary_, area, date),
                         kTitle);
}

void GradeSummaryWindow::saveCsv()
{
    const QString path =
        main_.platform().GetSaveFileName(this, U(kCsvTitle), U(kCsvFilter), U(kTitle) + QLatin1Char(' ') + S(summary_.periodName));
    if (path.isEmpty())
        return;
    const std::string file = FileLayerPath(path);
    for (const Held& held : held_)
        if (WouldOverwriteBook(file, FileLayerPath(held.path))) {
            say(U(kCsvOntoBook) + QLatin1Char('\n') + QDir::toNativeSeparators(path));
            return;
        }
    SaveReport report;
    if (const FileResult error = WriteExportWithBackup(file, SummaryCsv(summary_), report))
        say(FailureText(kCannotSaveCsv, path, *error));
    else if (report.BackupMissing())
        say(U(texts::kBackupMissing));
}

void ShowGradeSummary(frmMain& main)
{
    GradeSummaryWindow window(main);
    window.exec();
}

} // namespace miravel
