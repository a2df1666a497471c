#include "treebuilder.h"

#include "modeltree.h"

#include <QHash>
#include <QList>
#include <QTreeWidgetItem>

#include <memory>
#include <optional>
#include <vector>

namespace {

const QString kResourceGroup = QStringLiteral("RT_RCDATA");

struct NodeLine {
    int level;
    QString caption;
};

NodeLine splitIndentation(const QString& line)
{
    int level = 0;
    while (level < line.size() && (line.at(level) == u'\t' || line.at(level) == u' '))
        ++level;
    return {level, line.mid(level)};
}

std::optional<int> wholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// The nodes of the caption lines, built without touching the tree.
struct Nodes {
    QList<QTreeWidgetItem*> topLevel;
    QList<QTreeWidgetItem*> inLineOrder;  // the tree's order from top to bottom
};

// Returns the nodes, or nothing when a line skips a level.
std::optional<Nodes> makeNodes(const QList<NodeLine>& lines, QString* error)
{
    Nodes nodes;
    // Owns the top-level nodes (and so all nodes) until they go into the tree.
    std::vector<std::unique_ptr<QTreeWidgetItem>> owned;
    QHash<const QTreeWidgetItem*, int> lineLevel;
    QTreeWidgetItem* previous = nullptr;
    int previousLevel = 0;

    for (int i = 0; i < lines.size(); ++i) {
        const NodeLine& line = lines.at(i);
        QTreeWidgetItem* parent = nullptr;
        if (previous) {
            if (line.level > previousLevel + 1) {
                setError(error, QStringLiteral("Der Elementbaum \"NodeTree\" ist fehlerhaft: Zeile %1 (\"%2\") "
                                               "liegt auf Ebene %3 und überspringt damit eine Ebene nach Ebene %4.")
                                    .arg(i + 1)
                                    .arg(line.caption)
                                    .arg(line.level)
                                    .arg(previousLevel));
                return std::nullopt;
            }
            if (line.level == previousLevel + 1) {
                parent = previous;
            } else if (line.level == previousLevel) {
                parent = previous->parent();
            } else {
                // Up from the previous node's parent to the first ancestor not
                // deeper than the line; the new node becomes its sibling.
                QTreeWidgetItem* ancestor = previous->parent();
                while (ancestor && ancestor->parent() && lineLevel.value(ancestor) > line.level)
                    ancestor = ancestor->parent();
                parent = ancestor ? ancestor->parent() : nullptr;
            }
        }
        auto* node = new QTreeWidgetItem(QStringList{line.caption});
        lineLevel.insert(node, line.level);
        nodes.inLineOrder.append(node);
        if (parent) {
            parent->addChild(node);
        } else {
            owned.emplace_back(node);
            nodes.topLevel.append(node);
        }
        previous = node;
        previousLevel = line.level;
    }
    for (auto& node : owned)
        node.release();
    return nodes;
}

}  // namespace

bool BuildModelTree(ModelTree& tree, const LineList& nodeTree, const LineList& treeStatus,
                    const LineList& NodeIndexList, const LineList& NodeStatusList, QString* error)
{
    Q_UNUSED(NodeIndexList);
    if (nodeTree.isEmpty()) {
        setError(error, QStringLiteral("Der Elementbaum \"NodeTree\" ist leer."));
        return false;
    }
    QList<NodeLine> lines;
    lines.reserve(nodeTree.count());
    for (const QString& line : nodeTree.lines())
        lines.append(splitIndentation(line));

    const std::optional<Nodes> nodes = makeNodes(lines, error);
    if (!nodes)
        return false;
    // Marked before they join the tree, which then has no change to announce per node.
    for (int position = 0; position < nodes->inLineOrder.size(); ++position) {
        QTreeWidgetItem* node = nodes->inLineOrder.at(position);
        tree.setPicture(node, wholeNumber(NodeStatusList.value(position)).value_or(-1));
        tree.setStatus(node, wholeNumber(treeStatus.value(position)).value_or(0));
    }

    tree.clear();
    tree.addTopLevelItems(nodes->topLevel);
    tree.collapseAll();
    return true;
}

bool BuildModelTreeFromResources(ModelTree& tree, const LineList& treeStatus, LineList& NodeIndexList,
                                 LineList& NodeStatusList, QString* error)
{
    LineList nodeTree;
    if (!nodeTree.readResource(kResourceGroup, QStringLiteral("NodeTree"), error))
        return false;
    LineList codes;
    LineList pictures;
    if (!codes.readResource(kResourceGroup, QStringLiteral("NodeIndex"), error) ||
        !pictures.readResource(kResourceGroup, QStringLiteral("NodeStatusIndex"), error))
        return false;
    NodeIndexList = codes;
    NodeStatusList = pictures;
    return BuildModelTree(tree, nodeTree, treeStatus, NodeIndexList, NodeStatusList, error);
}
