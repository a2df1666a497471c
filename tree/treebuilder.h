#pragma once

#include "linelist.h"

#include <QString>

class ModelTree;

// Builds the element tree anew from the caption block, one node per line in
// order. A line's level is its number of leading TAB or blank characters (each
// counts one); a line more than one level deeper than the line before fails the
// build. Nodes are added collapsed. The node at position i gets its picture
// number from line i of NodeStatusList and its change status from line i of
// treeStatus; a status line that is missing or not a whole decimal number counts
// as 0, a missing or unreadable picture line leaves the node without a picture.
// Returns false and sets *error (German) when the caption block is empty or
// skips a level; the tree is then left as it was. NodeIndexList and
// NodeStatusList hold the NodeIndex and NodeStatusIndex blocks.
bool BuildModelTree(ModelTree& tree, const LineList& nodeTree, const LineList& treeStatus,
                    const LineList& NodeIndexList, const LineList& NodeStatusList, QString* error);

// Loads NodeIndexList and NodeStatusList anew from ":/RT_RCDATA/NodeIndex" and
// ":/RT_RCDATA/NodeStatusIndex" and builds the tree from ":/RT_RCDATA/NodeTree".
// Returns false and sets *error when a block is missing or the build fails.
bool BuildModelTreeFromResources(ModelTree& tree, const LineList& treeStatus, LineList& NodeIndexList,
                                 LineList& NodeStatusList, QString* error);
