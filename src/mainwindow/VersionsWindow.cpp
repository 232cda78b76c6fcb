#include "mainwindow/VersionsWindow.h"

#include "mainwindow/MainWindowTexts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace miravel {

namespace {

constexpr int kPathRole = Qt::UserRole;

QString U(const char* text) { return QString::fromUtf8(text); }

QString Count(int value) { return value < 0 ? QString() : QString::number(value); }

} // namespace

VersionsWindow::VersionsWindow(const std::vector<VersionRow>& rows, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(U(texts::kVersionsTitle));
    auto* layout = new QVBoxLayout(this);
    auto* note = new QLabel(U(texts::kVersionsNote), this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* listLabel = new QLabel(U(texts::kVersionsList), this);
    layout->addWidget(listLabel);
    List = new QTreeWidget(this);
    List->setObjectName(QStringLiteral("VersionList"));
    List->setRootIsDecorated(false);
    List->setUniformRowHeights(true);
    List->setAccessibleName(U(texts::kVersionsList));
    listLabel->setBuddy(List);
    List->setHeaderLabels({U(texts::kVersionColumnTime), U(texts::kVersionColumnDescription),
                           U(texts::kVersionColumnStudents), U(texts::kVersionColumnTests)});
    for (const VersionRow& row : rows) {
        const QString description = row.students < 0 ? U(texts::kVersionUnreadable) : row.description;
        auto* item = new QTreeWidgetItem(List, {row.time, description, Count(row.students), Count(row.tests)});
        item->setData(0, kPathRole, row.path);
        item->setToolTip(1, description);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        // A version that cannot be read cannot be opened.
        if (row.students < 0)
            item->setFlags(item->flags() & ~Qt::ItemIsEnabled);
    }
    List->header()->setStretchLastSection(false);
    List->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    List->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    layout->addWidget(List, 1);

    auto* buttons = new QDialogButtonBox(this);
    OpenButton = buttons->addButton(U(texts::kVersionOpen), QDialogButtonBox::AcceptRole);
    CancelButton = buttons->addButton(U(texts::kVersionCancel), QDialogButtonBox::RejectRole);
    // Apart from the others: the window that asks first is the main window's.
    DeleteAllButton = buttons->addButton(U(texts::kVersionDeleteAll), QDialogButtonBox::ResetRole);
    DeleteAllButton->setAutoDefault(false);
    connect(DeleteAllButton, &QPushButton::clicked, this, [this] { done(DeleteAll); });
    OpenButton->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(List, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(List, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { OpenButton->setEnabled(item && (item->flags() & Qt::ItemIsEnabled)); });

    if (List->topLevelItemCount() > 0)
        List->setCurrentItem(List->topLevelItem(0));
    OpenButton->setEnabled(List->currentItem() && (List->currentItem()->flags() & Qt::ItemIsEnabled));
    List->setFocus();
    resize(720, 420);
}

QString VersionsWindow::ChosenPath() const
{
    const QTreeWidgetItem* item = List->currentItem();
    return item && (item->flags() & Qt::ItemIsEnabled) ? item->data(0, kPathRole).toString() : QString();
}

} // namespace miravel
