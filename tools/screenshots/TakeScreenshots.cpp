// Photographs the real windows for the manual and the README: the main
// window in each view, the editors that are plugged in, and the help window.
// Dialogs are answered by the scripted desktop, so nothing waits for a hand.
//
//   build/tools/miravel_screenshots OUT_DIR BOOK [WIDTH HEIGHT]
//
// Run it on the display to photograph (Xvfb, or QT_QPA_PLATFORM=offscreen);
// QT_SCALE_FACTOR=2 gives the pictures of a scaled screen.

#include "core/Defaults.h"
#include "core/GradeBook.h"
#include "editors/Editors.h"
#include "editors/evaluation/FormEvaluationMethod.h"
#include "editors/evaluation/FormRecordSettings.h"
#include "editors/testspec/FormTestSpec.h"
#include "editors/testspec/ScoreImportWindow.h"
#include "mainwindow/RosterImportWindow.h"
#include "mainwindow/CheckListWindow.h"
#include "mainwindow/GuardedApplication.h"
#include "mainwindow/HandoffProfileEditor.h"
#include "mainwindow/GradeSummaryWindow.h"
#include "mainwindow/HandoffWindow.h"
#include "mainwindow/NavigationTree.h"
#include "mainwindow/frmMain.h"
#include "platform/HelpViewer.h"
#include "platform/JapaneseFonts.h"
#include "platform/ManualLocation.h"
#include "platform/QtTranslations.h"
#include "platform/ScriptedPlatform.h"
#include "platform/FileLayerPath.h"
#include "file/CompanionFile.h"
#include "file/GradeBookFile.h"
#include "print/GradeSummaryPage.h"
#include "print/PagePainter.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include <iostream>

namespace {

using namespace miravel;

QString outDir;

void Settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QTest::qWait(40);
    }
}

void Shoot(QWidget& widget, const QString& name)
{
    Settle();
    const QString file = outDir + QLatin1Char('/') + name;
    if (!widget.grab().save(file))
        std::cerr << "cannot write " << file.toStdString() << "\n";
    else
        std::cout << file.toStdString() << "\n";
}

void Click(frmMain& window, const char* key)
{
    if (QTreeWidgetItem* node = window.TreeView1->NodeByKey(QString::fromUtf8(key))) {
        window.TreeView1->setCurrentItem(node);
        window.TreeView1_NodeClick(node);
    }
}

// Opens the editor of the selected node (or of `command`), photographs it
// and cancels it.
void ShootEditor(frmMain& window, const QString& name, QAction* command = nullptr)
{
    const QWidgetList before = QApplication::topLevelWidgets();
    (command ? command : window.mnuEditProperty)->trigger();
    Settle();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (before.contains(widget) || !widget->isVisible())
            continue;
        Shoot(*widget, name);
        widget->close();
    }
    Settle();
}

// 学年の集計 of six classes made from the open book: 2組 gives A to more in
// 算数's first viewpoint, 5組 grades by criteria; the window's two tabs and
// the first printed page.
void ShootGradeSummary(frmMain& window)
{
    QTemporaryDir folder;
    GradeSummaryWindow summary(window);
    for (int c = 0; c < 6; ++c) {
        GradeBook copy;
        copy.ReplaceDocument(GradeDocument(Book()));
        copy.GradeLevel = "5年";
        copy.ClassName = std::to_string(c + 1) + "組";
        for (int n = 0; n < copy.StudentCount; ++n)
            copy.StudentNames[n] = Book().StudentNames[(n + 7 * c) % copy.StudentCount];
        if (c == 1)
            for (auto& period : copy.RankCountA)
                period[kViewpoints] = 24;
        if (c == 4)
            copy.Evaluation.Mode = EvaluationMode::Criterion;
        const QString path = folder.filePath(QString::fromStdString(copy.GradeLevel + copy.ClassName + ".txt"));
        WriteGradeBook(FileLayerPath(path), copy);
        WriteCompanion(FileLayerPath(path), copy.Evaluation);
        summary.AddBookFile(path);
    }
    summary.show();
    Shoot(summary, QStringLiteral("grade-summary.png"));
    summary.Tabs->setCurrentIndex(1);
    Shoot(summary, QStringLiteral("grade-summary-students.png"));

    // A4 landscape less a quarter inch each side, at 100 dots per inch.
    const PrintArea area{(1440 * 1169 - 2 * 360 * 100) / 100, (1440 * 827 - 2 * 360 * 100) / 100};
    const Page page = LayoutGradeSummaryPages(summary.Summary(), area, "2025/07/18").front();
    QImage image(area.width * 100 / 1440, area.height * 100 / 1440, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintPage(painter, page, 100, 100);
    painter.end();
    image.save(outDir + QStringLiteral("/print-grade-summary.png"));
}

CsvTableFile Sample(const char* name)
{
    CsvTableFile file;
    const QString path = QStringLiteral(MIRAVEL_IMPORT_SAMPLES "/") + QString::fromUtf8(name);
    if (ReadCsvTable(FileLayerPath(path), file))
        std::cerr << "cannot read " << path.toStdString() << "\n";
    return file;
}

// The roster preview of a school's export, over a new class still empty:
// its 学年 and 組 are offered with this school year.
void ShootRosterImport(const ScriptedPlatform& platform)
{
    const CsvTableFile file = Sample("school-roster.csv");
    const QDate today = platform.Now().date();
    const SchoolYearChoices years = SchoolYearsAround(today.year(), today.month());
    RosterImportWindow preview(file, QStringLiteral("school-roster.csv"), Book(), false,
                               years.years[static_cast<std::size_t>(years.current)]);
    preview.resize(900, 600);
    preview.show();
    Shoot(preview, QStringLiteral("roster-import.png"));
}

// The test editor with a spreadsheet's block pasted at number 1, then the
// preview of a web-form quiz's scores; the editor is cancelled.
void ShootScoreImport(frmMain& window, ScriptedPlatform& platform)
{
    const QWidgetList before = QApplication::topLevelWidgets();
    window.mnuEditProperty->trigger();
    Settle();
    FormTestSpec* editor = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!before.contains(widget) && widget->isVisible())
            editor = qobject_cast<FormTestSpec*>(widget);
    if (!editor)
        return;
    QFile block(QStringLiteral(MIRAVEL_IMPORT_SAMPLES "/spreadsheet-block.tsv"));
    if (block.open(QIODevice::ReadOnly))
        QGuiApplication::clipboard()->setText(QString::fromUtf8(block.readAll()));
    editor->PasteScores(0);
    Shoot(*editor, QStringLiteral("testspec-paste.png"));

    {
        const CsvTableFile file = Sample("google-forms-quiz.csv");
        ScoreImportWindow preview(file, QStringLiteral("google-forms-quiz.csv"), Book(), editor->ScoreGrid(),
                                  {true, true, true}, {"", "", ""}, editor);
        preview.resize(1000, 640);
        preview.show();
        Shoot(preview, QStringLiteral("score-import.png"));
    }
    platform.messageAnswers.push_back(MessageAnswer::Yes);  // drop the pasted scores
    editor->Command2_Click();
    Settle();
}

// 算数 一学期 with a few records and 音楽 as a subject 7, the grid opened
// from its tree node; then 記録の割合と教科 7〜10 from 評価の方法.
void ShootRecords(frmMain& window)
{
    ClassRecords& records = Book().Evaluation.Records;
    records.extra[0].name = "音楽";
    const struct {
        const char* title;
        const char* date;
        int viewpoint;
        RecordKind kind;
        double full;
    } shown[] = {{"ノート", "2026/05/12", 2, RecordKind::Mark, 3},
                 {"発表", "2026/05/19", 1, RecordKind::Mark, 3},
                 {"計算カード", "2026/05/26", 0, RecordKind::Points, 10}};
    for (const auto& one : shown) {
        ClassRecord record;
        record.title = one.title;
        record.date = one.date;
        record.viewpoint = one.viewpoint;
        record.kind = one.kind;
        record.full = one.full;
        for (int n = 1; n <= Book().StudentCount; ++n)
            record.values[n - 1] = n % 9 == 0 ? kRecordAbsent
                                   : one.kind == RecordKind::Mark ? 1 + (n * 7 + one.viewpoint) % 3
                                                                  : (n * 3) % 11;
        records.Of(1, 0).push_back(record);
    }
    window.TreeView1_refresh();
    Click(window, "5 1 0");
    Shoot(window, QStringLiteral("records-view.png"));
    ShootEditor(window, QStringLiteral("records.png"));

    window.mnuEditEvaluation->trigger();
    Settle();
    FormEvaluationMethod* method = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<FormEvaluationMethod*>(widget); form && form->isVisible())
            method = form;
    if (method) {
        QTimer::singleShot(200, [] {
            if (auto* dialog = qobject_cast<FormRecordSettings*>(QApplication::activeModalWidget())) {
                Shoot(*dialog, QStringLiteral("record-settings.png"));
                dialog->reject();
            }
        });
        method->cmdRecords->click();
        method->Command2_Click();
    }
    Settle();
}

} // namespace

int main(int argc, char** argv)
{
    GuardedApplication app(argc, argv);
    if (argc < 3) {
        std::cerr << "usage: miravel_screenshots OUT_DIR BOOK [WIDTH HEIGHT]\n";
        return 1;
    }
    outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(outDir);
    const QString book = QString::fromLocal8Bit(argv[2]);
    const QSize size = argc > 4 ? QSize(atoi(argv[3]), atoi(argv[4])) : QSize(1100, 720);

    InstallJapaneseFonts(app);
    InstallJapaneseQtTexts(app);
    ScriptedPlatform platform;
    frmMain window(platform);
    RegisterEditors(window);
    InitDefaults(Book());
    window.show();
    window.resize(size);
    Shoot(window, QStringLiteral("main-start.png"));
    ShootRosterImport(platform);
    // The class editor of a new class, with its year and viewpoint choice.
    window.mnuFileNew->trigger();
    ShootEditor(window, QStringLiteral("homeroom-new.png"));
    window.mnuFileClose->trigger();

    if (!window.openFile(book)) {
        std::cerr << "cannot open " << book.toStdString() << "\n";
        return 1;
    }
    Click(window, "HomeRoom");
    Shoot(window, QStringLiteral("main-class.png"));
    ShootEditor(window, QStringLiteral("homeroom.png"));

    Click(window, "0 1");  // the year-round table of the second subject
    Shoot(window, QStringLiteral("view-yearround.png"));
    ShootEditor(window, QStringLiteral("criteria-yearround.png"));
    Click(window, "1 1 0");  // its first semester
    Shoot(window, QStringLiteral("view-semester.png"));
    ShootEditor(window, QStringLiteral("criteria-semester.png"));
    Click(window, "2 1 0 0");  // its first test
    Shoot(window, QStringLiteral("view-test.png"));
    ShootEditor(window, QStringLiteral("testspec.png"));
    ShootScoreImport(window, platform);
    Click(window, "3 1 0 0 0");  // the first viewpoint of that test
    Shoot(window, QStringLiteral("view-viewpoint.png"));
    Click(window, "4 0");  // the evaluation list of the first semester
    Shoot(window, QStringLiteral("evaluation-list.png"));
    ShootEditor(window, QStringLiteral("evaluation-method.png"), window.mnuEditEvaluation);
    ShootRecords(window);

    ShootGradeSummary(window);

    window.mnuEditCheck->trigger();
    if (auto* checks = window.findChild<CheckListWindow*>()) {
        Shoot(*checks, QStringLiteral("check-list.png"));
        checks->close();
    }

    // 提出用に書き出す with the manual's example profile (an imagined school
    // system), and that profile in the editor; the class gets example codes.
    platform.helpFile = FindManual(ManualFolders(QCoreApplication::applicationDirPath()));
    for (int n = 1; n <= kStudents; ++n)
        Book().Evaluation.StudentCodes[n - 1] = "S25" + std::to_string(3100 + n);
    {
        const QString example = QFileInfo(platform.helpFile).absolutePath() + QStringLiteral("/hanamaru.miravel-profile");
        HandoffWindow handoff(window);
        handoff.AddProfile(example);
        handoff.show();
        Shoot(handoff, QStringLiteral("handoff.png"));
        HandoffProfile profile;
        ReadHandoffProfile(FileLayerPath(example), profile);
        HandoffProfileEditor editor(&handoff, platform, Book(), profile);
        editor.show();
        Shoot(editor, QStringLiteral("handoff-profile.png"));
    }

    window.mnuHelpContents->trigger();
    if (auto* viewer = window.findChild<HelpViewer*>())
        Shoot(*viewer, QStringLiteral("help.png"));

    platform.messageAnswers.push_back(MessageAnswer::No);  // leave without saving
    window.close();
    return 0;
}
