#include "mainwindow/CheckListWindow.h"

#include "core/GradeBook.h"
#include "mainwindow/frmMain.h"
#include "grades/LetterChecks.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace miravel {

namespace {

constexpr int kKeyRole = Qt::UserRole;
QString U(const char* text) { return QString::fromUtf8(text); }

} // namespace

CheckListWindow::CheckListWindow(frmMain& main) : QDialog(&main), main_(main)
{
    setObjectName(QStringLiteral("CheckListWindow"));
    setWindowTitle(U("入力の確認"));
    resize(760, 420);

    auto* heading = new QLabel(U("確認が必要な項目(&L)：行をダブルクリックするか Enter キーで、その項目を表示します"), this);
    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("List"));
    heading->setBuddy(List);
    List->setAccessibleName(U("確認が必要な項目"));
    List->installEventFilter(this);
    connect(List, &QListWidget::itemDoubleClicked, this, &CheckListWindow::goTo);

    auto* again = new QPushButton(U("再確認(&R)"), this);
    again->setObjectName(QStringLiteral("Again"));
    auto* close = new QPushButton(U("閉じる"), this);
    close->setObjectName(QStringLiteral("Close"));
    // Enter belongs to the list; only Esc closes the window.
    again->setAutoDefault(false);
    close->setAutoDefault(false);
    connect(again, &QPushButton::clicked, this, &CheckListWindow::Refresh);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(again);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(List);
    layout->addLayout(buttons);
    setTabOrder(List, again);
    setTabOrder(again, close);
    Refresh();
}

void CheckListWindow::Refresh()
{
    List->clear();
    GradeBook& book = Book();
    const std::vector<GradeFinding> findings = CheckGrades(book);
    for (const GradeFinding& finding : findings) {
        auto* item = new QListWidgetItem(QString::fromStdString(finding.text), List);
        item->setData(kKeyRole, QString::fromStdString(finding.nodeKey));
    }
    if (findings.empty())
        new QListWidgetItem(U(kNoProblemsFound), List);
    List->setCurrentRow(0);

    // What is shown now becomes the record with the next save; looking is
    // no change to the book, so neither the caption nor leaving asks.
    main_.NoteLettersSeen(RecordLetters(book));
}

bool CheckListWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == List && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            goTo(List->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CheckListWindow::goTo(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString key = item->data(kKeyRole).toString();
    if (!key.isEmpty())
        main_.SelectNodeByKey(key.toStdString());
}

} // namespace miravel
