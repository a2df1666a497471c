#pragma once

#include "linelist.h"
#include "modeltree.h"

#include <QIcon>
#include <QList>

// Four distinct 16 x 16 icons standing for the change statuses 0 to 3.
QList<QIcon> makeStatusIcons();

// True when shown draws expected's picture, in the normal and the selected mode alike.
bool drawsAs(const QIcon& shown, const QIcon& expected);

// A tree built from the embedded blocks with the given statuses (all 0 when
// empty) and the status icons set. Fails the current test when the build fails.
struct BuiltTree {
    QList<QIcon> icons = makeStatusIcons();
    ModelTree tree;
    LineList NodeIndexList;
    LineList NodeStatusList;
    explicit BuiltTree(const LineList& treeStatus = LineList());
};

// A status list of count lines, all "0".
LineList zeroStatus(int count = 161);
