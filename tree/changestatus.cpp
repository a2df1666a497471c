#include "changestatus.h"

#include "files.h"
#include "modeltree.h"

#include <QTreeWidgetItem>

bool UpdateTreeChangeStatus(ModelTree& tree, bool changed, LineList& TreeStatus, Files& files,
                            const QString& statusPath, QString* error)
{
    if (QTreeWidgetItem* selected = tree.selectedNode()) {
        QTreeWidgetItem* parent = selected->parent();
        QTreeWidgetItem* grandparent = parent ? parent->parent() : nullptr;
        if (changed) {
            for (QTreeWidgetItem* node : {selected, parent, grandparent})
                tree.setStatus(node, StatusChanged);
        } else {
            tree.setStatus(selected, StatusUnchanged);
            // The parent first: the grandparent's scan reads the parent's new status.
            if (parent)
                RescanAncestorStatus(tree, parent);
            if (grandparent)
                RescanAncestorStatus(tree, grandparent);
        }
    }
    return SaveTreeStatus(tree, TreeStatus, files, statusPath, error);
}

void RescanAncestorStatus(ModelTree& tree, QTreeWidgetItem* ancestor)
{
    if (!ancestor || ancestor->childCount() == 0)
        return;
    const QList<QTreeWidgetItem*> nodes = tree.nodesInOrder();
    const int first = int(nodes.indexOf(ancestor)) + 1;
    const int last = int(nodes.indexOf(ancestor->child(ancestor->childCount() - 1)));
    if (first <= 0 || last < first)
        return;
    for (int position = first; position <= last; ++position) {
        const int status = tree.statusOf(nodes.at(position));
        if (status == StatusChanged) {
            tree.setStatus(ancestor, StatusChanged);
            return;
        }
        if (status == StatusUnchanged)
            tree.setStatus(ancestor, StatusUnchanged);
    }
}

bool SaveTreeStatus(ModelTree& tree, LineList& TreeStatus, Files& files, const QString& statusPath,
                    QString* error)
{
    const QList<QTreeWidgetItem*> nodes = tree.nodesInOrder();
    for (int position = 0; position < nodes.size(); ++position) {
        const QString line = QString::number(tree.statusOf(nodes.at(position)));
        if (position < TreeStatus.count())
            TreeStatus.replace(position, line);
        else
            TreeStatus.append(line);
    }
    return TreeStatus.writeFile(files, statusPath, error);
}

bool ResetTreeStatus(LineList& TreeStatus, Files& files, const QString& resetPath, const QString& statusPath,
                     QString* error)
{
    LineList reset;
    bool resetWritten = true;
    QString resetError;
    // A reset file that cannot be read is made anew rather than leaving the
    // reset half done after the model file was already restored.
    if (!reset.readFile(files, resetPath, nullptr)) {
        if (!reset.readResource(QStringLiteral("RT_RCDATA"), QStringLiteral("TreeImageIndex"), error))
            return false;
        resetWritten = reset.writeFile(files, resetPath, &resetError);
    }
    TreeStatus = reset;
    QString statusError;
    const bool statusWritten = TreeStatus.writeFile(files, statusPath, &statusError);
    if (resetWritten && statusWritten)
        return true;
    QStringList errors;
    if (!resetWritten)
        errors.append(resetError);
    if (!statusWritten)
        errors.append(statusError);
    if (error)
        *error = errors.join(u'\n');
    return false;
}
