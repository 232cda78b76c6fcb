#include "mainwindow/HandoffWindow.h"

#include "core/GradeBook.h"
#include "file/BookSave.h"
#include "file/HandoffFile.h"
#include "file/SafeWrite.h"
#include "file/SameFile.h"
#include "grades/EvaluationList.h"
#include "grades/HandoffCheck.h"
#include "grades/HandoffRows.h"
#include "mainwindow/FailureText.h"
#include "mainwindow/HandoffProfileEditor.h"
#include "mainwindow/MainWindowTexts.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"
#include "platform/ProfileLocation.h"
#include "platform/FileLayerPath.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace miravel {

namespace {

QString U(const char* text) { return QString::fromUtf8(text); }
QString S(const std::string& text) { return QString::fromStdString(text); }
constexpr int kPreviewStudents = 5;
const char* const kTitle = "提出用に書き出す";
const char* const kProfileFilter = "書式ファイル (*.miravel-profile)|*.miravel-profile";
// The profile last written with, offered first next time.
const char* const kSettingSection = "Handoff";
const char* const kSettingKey = "Profile";

const char* EncodingText(HandoffEncoding encoding)
{
    switch (encoding) {
    case HandoffEncoding::Utf8:
        return "UTF-8（BOMなし）";
    case HandoffEncoding::Cp932:
        return "シフトJIS（cp932）";
    case HandoffEncoding::Utf8Bom:
        break;
    }
    return "UTF-8（BOM付き）";
}

} // namespace

HandoffWindow::HandoffWindow(frmMain& main) : QDialog(&main), main_(main)
{
    setObjectName(QStringLiteral("HandoffWindow"));
    setWindowTitle(U(kTitle));
    const GradeBook& book = Book();

    Period = new QComboBox(this);
    for (int period : HandoffPeriods(book))
        Period->addItem(S(PeriodName(book, period)), period);
    Profile = new QComboBox(this);
    OpenProfile = new QPushButton(U("開く(&O)..."), this);
    EditProfile = new QPushButton(U("編集(&E)..."), this);
    Format = new QLabel(this);
    Preview = new QTableWidget(this);
    Preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Preview->verticalHeader()->hide();
    Preview->verticalHeader()->setDefaultSectionSize(Preview->fontMetrics().height() + 6);
    Findings = new QListWidget(this);
    Write = new QPushButton(U("書き出す(&W)..."), this);
    auto* close = new QPushButton(U("閉じる"), this);
    Write->setDefault(true);

    auto label = [this](const char* caption, QWidget* buddy) {
        auto* shown = new QLabel(U(caption), this);
        shown->setBuddy(buddy);
        return shown;
    };
    Period->setAccessibleName(U("期間"));
    Profile->setAccessibleName(U("書式"));
    Preview->setAccessibleName(U("見本"));
    Findings->setAccessibleName(U("確認の結果"));
    auto* choice = new QGridLayout;
    choice->addWidget(label("期間(&P)：", Period), 0, 0);
    choice->addWidget(Period, 0, 1);
    choice->addWidget(label("書式(&F)：", Profile), 1, 0);
    choice->addWidget(Profile, 1, 1);
    choice->addWidget(OpenProfile, 1, 2);
    choice->addWidget(EditProfile, 1, 3);
    choice->setColumnStretch(1, 1);
    FindingsCaption = label("確認の結果(&K)：", Findings);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Write);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(Format);
    layout->addWidget(label("見本（最初の5人、提出先が読むとおり）(&V)：", Preview));
    layout->addWidget(Preview, 2);
    layout->addWidget(FindingsCaption);
    layout->addWidget(Findings, 1);
    layout->addLayout(buttons);
    resize(900, 560);

    for (const QString& path : ShippedProfiles(ShippedProfileFolders(QCoreApplication::applicationDirPath()))) {
        HandoffProfile profile;
        if (!ReadHandoffProfile(FileLayerPath(path), profile)) {
            profiles_.push_back(profile);
            Profile->addItem(S(profile.name), path);
        }
    }
    const QString last = main.platform().GetSetting(U(texts::kProgramTitle), U(kSettingSection), U(kSettingKey), {});
    if (!last.isEmpty() && QFileInfo::exists(last))
        AddProfile(last);

    connect(Period, &QComboBox::currentIndexChanged, this, &HandoffWindow::Refresh);
    connect(Profile, &QComboBox::currentIndexChanged, this, &HandoffWindow::Refresh);
    connect(OpenProfile, &QPushButton::clicked, this, &HandoffWindow::openProfile);
    connect(EditProfile, &QPushButton::clicked, this, &HandoffWindow::editProfile);
    connect(Write, &QPushButton::clicked, this, &HandoffWindow::WriteFile);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(Period, Profile);
    setTabOrder(Profile, OpenProfile);
    setTabOrder(OpenProfile, EditProfile);
    setTabOrder(EditProfile, Preview);
    setTabOrder(Preview, Findings);
    setTabOrder(Findings, Write);
    setTabOrder(Write, close);
    Refresh();
}

const HandoffProfile* HandoffWindow::current() const
{
    const int at = Profile->currentIndex();
    return at >= 0 && at < static_cast<int>(profiles_.size()) ? &profiles_[at] : nullptr;
}

void HandoffWindow::say(const QString& text)
{
    main_.platform().ShowMessage(this, text, U(texts::kProgramTitle), MessageButtons::Ok, MessageIcon::None);
}

bool HandoffWindow::AddProfile(const QString& path)
{
    HandoffProfile profile;
    if (const FileResult error = ReadHandoffProfile(FileLayerPath(path), profile)) {
        say(FailureText("書式ファイルを読めません。", path, *error));
        return false;
    }
    if (profile.name.empty())
        profile.name = QFileInfo(path).completeBaseName().toStdString();
    int at = Profile->findData(path);
    if (at < 0) {
        profiles_.push_back(profile);
        Profile->addItem(S(profile.name), path);
        at = Profile->count() - 1;
    } else {
        profiles_[at] = profile;
        Profile->setItemText(at, S(profile.name));
    }
    Profile->setCurrentIndex(at);
    Refresh();
    return true;
}

void HandoffWindow::Refresh()
{
    GradeBook& book = Book();
    const HandoffProfile* profile = current();
    Write->setEnabled(profile != nullptr);
    EditProfile->setEnabled(true);
    Preview->clear();
    Findings->clear();
    if (!profile) {
        Format->setText(U("書式がありません。［開く］で書式ファイルを選んでください。"));
        Preview->setRowCount(0);
        Preview->setColumnCount(0);
        return;
    }
    const HandoffTable rows = HandoffRows(book, Period->currentData().toInt(), *profile);
    const int columns = static_cast<int>(profile->columns.size());
    const int headerRows = profile->header ? 1 : 0;
    const int students = static_cast<int>(rows.size()) - headerRows;
    Format->setText(U("文字コード：") + U(EncodingText(profile->encoding)) + U("　改行：CR LF　見出しの行：") +
                    U(profile->header ? "あり" : "なし") + U("　") + QString::number(students) + U("人、") +
                    QString::number(columns) + U("列"));
    // The header row, when the file has one, heads the preview as it heads the file.
    Preview->setColumnCount(columns);
    QStringList titles;
    for (int c = 0; c < columns; ++c)
        titles << (headerRows ? S(rows[0][c]) : QString::number(c + 1));
    Preview->setHorizontalHeaderLabels(titles);
    const int shown = std::min(students, kPreviewStudents);
    Preview->setRowCount(shown);
    for (int r = 0; r < shown; ++r)
        for (int c = 0; c < columns; ++c)
            Preview->setItem(r, c, new QTableWidgetItem(S(rows[r + headerRows][c])));
    Preview->resizeColumnsToContents();

    const std::vector<GradeFinding> findings = CheckBeforeHandoff(book, *profile);
    for (const GradeFinding& finding : findings)
        Findings->addItem(S(finding.text));
    if (findings.empty())
        Findings->addItem(U(kNoProblemsFound));
    FindingsCaption->setText(U("確認の結果(&K)：") + (findings.empty() ? U("問題はありません")
                                                                       : QString::number(findings.size()) + U(" 件")));
}

void HandoffWindow::WriteFile()
{
    const HandoffProfile* profile = current();
    if (!profile)
        return;
    GradeBook& book = Book();
    Platform& platform = main_.platform();
    const std::vector<GradeFinding> findings = CheckBeforeHandoff(book, *profile);
    if (!findings.empty() && platform.ShowMessage(this, S(HandoffQuestion(findings.size())), U(kTitle),
                                                  MessageButtons::YesNoDefaultNo, MessageIcon::None) !=
                                 MessageAnswer::Yes) {
        Refresh();
        Findings->setFocus();
        Findings->setCurrentRow(0);
        return;
    }
    const QString path = platform.GetSaveFileName(this, U(kTitle), U("CSVファイル (*.csv)|*.csv"));
    if (path.isEmpty())
        return;
    const std::string output = FileLayerPath(path);
    if (!book.CurrentFilePath.empty() && WouldOverwriteBook(output, book.CurrentFilePath)) {
        say(U("開いている成績ファイル（またはそのバックアップ）には書き出せません。別のファイル名を指定してください。"));
        return;
    }
    std::string bytes;
    SaveReport report;
    FileResult error = EncodeHandoffRows(HandoffRows(book, Period->currentData().toInt(), *profile),
                                         profile->encoding, bytes, profile->formulas);
    if (!error)
        error = WriteExportWithBackup(output, bytes, report, BookFileMode(book.CurrentFilePath));
    if (error) {
        say(FailureText("提出用のファイルを書けません。", path, *error));
        return;
    }
    platform.SaveSetting(U(texts::kProgramTitle), U(kSettingSection), U(kSettingKey),
                         Profile->currentData().toString());
    main_.SetStatusHint(report.BackupMissing() ? U(texts::kBackupMissing)
                                               : U("提出用のファイルを書き出しました：") + path);
    accept();
}

void HandoffWindow::openProfile()
{
    const QString path = main_.platform().GetOpenFileName(this, U("書式を開く"), U(kProfileFilter));
    if (!path.isEmpty())
        AddProfile(path);
}

// The editor starts from the chosen profile; what it saves is chosen.
void HandoffWindow::editProfile()
{
    HandoffProfile start;
    if (const HandoffProfile* profile = current())
        start = *profile;
    HandoffProfileEditor editor(this, main_.platform(), Book(), start);
    if (editor.exec() == QDialog::Accepted && !editor.SavedPath().isEmpty())
        AddProfile(editor.SavedPath());
}

} // namespace miravel
