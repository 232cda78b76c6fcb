#pragma once
// The tree widget of the main window. Nodes carry a key, a 1-based index in
// tree order and a picture key. A mouse click on a node, or moving to a node
// with the keyboard, is reported as a node click.

#include "grades/TreeNodes.h"

#include <QHash>
#include <QTreeWidget>

#include <vector>

namespace miravel {

class NavigationTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit NavigationTree(QWidget* parent = nullptr);

    // Replaces every node by the ones given, in their order.
    void Rebuild(const std::vector<TreeNodeEntry>& nodes);
    // Removes every node.
    void Clear();
    // Adds a top-level node after the existing ones.
    QTreeWidgetItem* AddTopNode(const QString& key, const QString& text, const QString& imageKey = QString());

    int NodeCount() const { return static_cast<int>(nodes_.size()); }
    // Null when there is no such node.
    QTreeWidgetItem* NodeByIndex(int index) const;
    QTreeWidgetItem* NodeByKey(const QString& key) const;

    // Makes the node current and scrolls it into view, its parents opened;
    // reported as no click.
    void ShowNode(const QString& key);

    static QString NodeKey(const QTreeWidgetItem* node);
    static int NodeIndex(const QTreeWidgetItem* node);
    static QString NodeImage(const QTreeWidgetItem* node);
    static void SetNodeImage(QTreeWidgetItem* node, const QString& imageKey);

signals:
    void nodeClicked(QTreeWidgetItem* node);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTreeWidgetItem* makeNode(const QString& key, const QString& text, const QString& imageKey);

    std::vector<QTreeWidgetItem*> nodes_;  // tree order; index 1 is nodes_[0]
    QHash<QString, QTreeWidgetItem*> byKey_;
};

} // namespace miravel
