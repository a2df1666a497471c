#pragma once

#include <QIcon>
#include <QList>
#include <QTreeWidget>

#include <functional>

class GuardedSelectionModel;

// The element tree `ModellTree`: one read-only column of nodes, at most one
// selected, each carrying a change status (shown as its icon) and a picture
// number. Nodes are identified by their position in depth-first order.
class ModelTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit ModelTree(QWidget* parent = nullptr);
    ~ModelTree() override;

    // Called before the selection moves, by mouse, keyboard or program, with the
    // selected node (nullptr when none) and the node about to be selected
    // (nullptr when the selection is to be emptied); never when both are the
    // same. Returning false keeps the selection and the current node. One mouse
    // or key event asks at most once.
    std::function<bool(QTreeWidgetItem* from, QTreeWidgetItem* to)> changing;

    // The four icons of the change statuses 0 to 3, drawn alike whether a node
    // is selected or not; nodes show them at once.
    void setStatusIcons(const QList<QIcon>& icons);

    // The node's change status; 0 for a node without one and for nullptr.
    int statusOf(QTreeWidgetItem* node) const;
    // Sets the status, which stands for the node's normal, selected and expanded
    // icon alike; a status outside 0..3 shows no icon.
    void setStatus(QTreeWidgetItem* node, int status);

    // The node's picture number, or -1 when it has none.
    int pictureOf(QTreeWidgetItem* node) const;
    void setPicture(QTreeWidgetItem* node, int picture);

    // Position in depth-first order from 0, or -1 for nullptr or a foreign node.
    int positionOf(const QTreeWidgetItem* node) const;
    // The node at a position, or nullptr outside 0 .. nodeCount() - 1.
    QTreeWidgetItem* itemAtPosition(int position) const;
    int nodeCount() const;
    // Every node in depth-first order; index i holds the node at position i.
    QList<QTreeWidgetItem*> nodesInOrder() const;
    // 0 for a top-level node, one more per parent; -1 for nullptr.
    int levelOf(const QTreeWidgetItem* node) const;

    // The selected node, or nullptr.
    QTreeWidgetItem* selectedNode() const;
    // Selects the node at a position by program, asking `changing` first;
    // nothing happens for a position outside the tree.
    void selectPosition(int position);

    // Removes all nodes without asking `changing`; emits selectionMoved(nullptr)
    // when a node was selected.
    void clear();

signals:
    // The selection has moved; node is the selected node, nullptr when none.
    void selectionMoved(QTreeWidgetItem* node);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;

private:
    QIcon iconFor(int status) const;

    GuardedSelectionModel* guard_;
    QList<QIcon> statusIcons_;
};
