#include "mainwindow/NavigationTree.h"

#include "mainwindow/ClippedTextDelegate.h"
#include "mainwindow/Pictures.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace miravel {

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;
constexpr int kImageRole = Qt::UserRole + 2;

} // namespace

NavigationTree::NavigationTree(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(16, 16));
    // Long test titles scroll sideways instead of being cut short.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setTextElideMode(Qt::ElideNone);
    // A node cut at the edge of the pane shows its whole text as a tool tip.
    setItemDelegate(new ClippedTextDelegate(this));
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { emit nodeClicked(item); });
}

QTreeWidgetItem* NavigationTree::makeNode(const QString& key, const QString& text, const QString& imageKey)
{
    auto* node = new QTreeWidgetItem(QStringList(text));
    node->setData(0, kKeyRole, key);
    nodes_.push_back(node);
    node->setData(0, kIndexRole, static_cast<int>(nodes_.size()));
    byKey_.insert(key, node);
    if (!imageKey.isEmpty())
        SetNodeImage(node, imageKey);
    return node;
}

void NavigationTree::Clear()
{
    nodes_.clear();
    byKey_.clear();
    clear();
}

void NavigationTree::Rebuild(const std::vector<TreeNodeEntry>& entries)
{
    Clear();
    nodes_.reserve(entries.size());
    byKey_.reserve(static_cast<int>(entries.size()));
    // The nodes are put together away from the view and handed over in one
    // piece, which keeps a rebuild to a single model update.
    QList<QTreeWidgetItem*> topLevel;
    for (const TreeNodeEntry& entry : entries) {
        QTreeWidgetItem* node = makeNode(QString::fromStdString(entry.key), QString::fromStdString(entry.text),
                                         QString::fromStdString(entry.imageKey));
        if (entry.parent < 0)
            topLevel.append(node);
        else
            nodes_[static_cast<std::size_t>(entry.parent)]->addChild(node);
    }
    addTopLevelItems(topLevel);
    for (QTreeWidgetItem* node : topLevel)
        node->setExpanded(true);
}

QTreeWidgetItem* NavigationTree::AddTopNode(const QString& key, const QString& text, const QString& imageKey)
{
    QTreeWidgetItem* node = makeNode(key, text, imageKey);
    addTopLevelItem(node);
    return node;
}

QTreeWidgetItem* NavigationTree::NodeByIndex(int index) const
{
    if (index < 1 || index > NodeCount())
        return nullptr;
    return nodes_[static_cast<std::size_t>(index - 1)];
}

QTreeWidgetItem* NavigationTree::NodeByKey(const QString& key) const { return byKey_.value(key, nullptr); }

void NavigationTree::ShowNode(const QString& key)
{
    QTreeWidgetItem* node = NodeByKey(key);
    if (!node)
        return;
    for (QTreeWidgetItem* parent = node->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    setCurrentItem(node);
    scrollToItem(node);
}

QString NavigationTree::NodeKey(const QTreeWidgetItem* node) { return node->data(0, kKeyRole).toString(); }

int NavigationTree::NodeIndex(const QTreeWidgetItem* node) { return node->data(0, kIndexRole).toInt(); }

QString NavigationTree::NodeImage(const QTreeWidgetItem* node) { return node->data(0, kImageRole).toString(); }

void NavigationTree::SetNodeImage(QTreeWidgetItem* node, const QString& imageKey)
{
    node->setData(0, kImageRole, imageKey);
    node->setIcon(0, TreePicture(imageKey));
}

void NavigationTree::keyPressEvent(QKeyEvent* event)
{
    // Only a move made by the user counts as a click: the view also sets a
    // current node by itself (on focus), which must not open a view or a
    // message box.
    QTreeWidgetItem* before = currentItem();
    QTreeWidget::keyPressEvent(event);
    QTreeWidgetItem* after = currentItem();
    if (after && after != before)
        emit nodeClicked(after);
}

} // namespace miravel
