#pragma once

#include "linelist.h"

#include <QString>

class Files;
class ModelTree;
class QTreeWidgetItem;

// Change statuses: 0 unchanged (green), 1 changed (red). Other values a status
// file may hold are kept, shown with their icon, and passed over by scans.
constexpr int StatusUnchanged = 0;
constexpr int StatusChanged = 1;

// Recomputes the status of the selected node and its parent and grandparent:
// changed marks all three; unchanged clears the node and rescans the parent,
// then the grandparent. Then saves the statuses (SaveTreeStatus). Returns false
// and sets *error (German) when the file cannot be written; the statuses in the
// tree and in TreeStatus stay as computed.
bool UpdateTreeChangeStatus(ModelTree& tree, bool changed, LineList& TreeStatus, Files& files,
                            const QString& statusPath, QString* error);

// Gives ancestor the status of the first changed node in the positions from the
// one after it to its last direct child, both included (so a last child that is
// a category stands for its own children); 0 when the range holds unchanged
// nodes only; unchanged when the range holds no node of status 0 or 1.
void RescanAncestorStatus(ModelTree& tree, QTreeWidgetItem* ancestor);

// Line i of TreeStatus := the status of the node at position i, for every node;
// lines beyond the node count are kept. Then writes TreeStatus whole and
// atomically to statusPath. Returns false and sets *error when writing failed.
bool SaveTreeStatus(ModelTree& tree, LineList& TreeStatus, Files& files, const QString& statusPath,
                    QString* error);

// The status side of the complete reset: TreeStatus := the lines of resetPath,
// written to statusPath. A reset file that is missing or cannot be read is first
// made anew from ":/RT_RCDATA/TreeImageIndex" (all unchanged) and written, so
// the reset always completes in memory. Returns false and sets *error when a
// write failed; TreeStatus holds the reset statuses even then, so the caller
// rebuilds the tree in either case.
bool ResetTreeStatus(LineList& TreeStatus, Files& files, const QString& resetPath, const QString& statusPath,
                     QString* error);
