#include "modeltree.h"

#include "branchlinestyle.h"
#include "guardedselectionmodel.h"
#include "modelltreecustomdrawitem.h"

#include <QPalette>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kStatusRole = Qt::UserRole + 1;
constexpr int kPictureRole = Qt::UserRole + 2;
constexpr int kStatusIconCount = 4;

// Keeps the selection highlighted in full colour while another control has
// the focus.
void keepSelectionWithoutFocus(QWidget& widget)
{
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    widget.setPalette(palette);
}

}  // namespace

ModelTree::ModelTree(QWidget* parent) : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setDragEnabled(false);
    setIndentation(25);
    setRootIsDecorated(true);
    setItemsExpandable(true);
    setIconSize(QSize(16, 16));
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    viewport()->setAttribute(Qt::WA_Hover);
    keepSelectionWithoutFocus(*this);

    auto* branchStyle = new BranchLineStyle();
    branchStyle->setParent(this);
    setStyle(branchStyle);
    setItemDelegate(new ModellTreeCustomDrawItem(this));

    guard_ = new GuardedSelectionModel(model(), this);
    guard_->allowChange = [this](const QModelIndex& from, const QModelIndex& to) {
        return !changing || changing(itemFromIndex(from), itemFromIndex(to));
    };
    QItemSelectionModel* previous = selectionModel();
    setSelectionModel(guard_);
    delete previous;
    connect(guard_, &QItemSelectionModel::selectionChanged, this,
            [this] { emit selectionMoved(selectedNode()); });
}

ModelTree::~ModelTree()
{
    // The base class still empties the model: nothing may reach this part then.
    disconnect(guard_, nullptr, this, nullptr);
    guard_->allowChange = nullptr;
}

void ModelTree::setStatusIcons(const QList<QIcon>& icons)
{
    // The selected node shows its dot unchanged, not tinted by the selection.
    statusIcons_.clear();
    for (const QIcon& icon : icons) {
        const QPixmap pixmap = icon.pixmap(iconSize());
        QIcon steady;
        steady.addPixmap(pixmap, QIcon::Normal);
        steady.addPixmap(pixmap, QIcon::Selected);
        steady.addPixmap(pixmap, QIcon::Active);
        statusIcons_.append(icon.isNull() ? QIcon() : steady);
    }
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        setStatus(*it, statusOf(*it));
}

QIcon ModelTree::iconFor(int status) const
{
    if (status < 0 || status >= kStatusIconCount)
        return QIcon();
    return statusIcons_.value(status);
}

int ModelTree::statusOf(QTreeWidgetItem* node) const
{
    return node ? node->data(0, kStatusRole).toInt() : 0;
}

void ModelTree::setStatus(QTreeWidgetItem* node, int status)
{
    if (!node)
        return;
    node->setData(0, kStatusRole, status);
    const QIcon icon = iconFor(status);
    // A null icon would still reserve room left of the caption.
    node->setData(0, Qt::DecorationRole, icon.isNull() ? QVariant() : QVariant(icon));
}

int ModelTree::pictureOf(QTreeWidgetItem* node) const
{
    if (!node)
        return -1;
    bool ok = false;
    const int picture = node->data(0, kPictureRole).toInt(&ok);
    return ok ? picture : -1;
}

void ModelTree::setPicture(QTreeWidgetItem* node, int picture)
{
    if (node)
        node->setData(0, kPictureRole, picture < 0 ? QVariant() : QVariant(picture));
}

int ModelTree::positionOf(const QTreeWidgetItem* node) const
{
    if (!node)
        return -1;
    int position = 0;
    for (QTreeWidgetItemIterator it(const_cast<ModelTree*>(this)); *it; ++it, ++position) {
        if (*it == node)
            return position;
    }
    return -1;
}

QTreeWidgetItem* ModelTree::itemAtPosition(int position) const
{
    if (position < 0)
        return nullptr;
    QTreeWidgetItemIterator it(const_cast<ModelTree*>(this));
    for (int i = 0; *it && i < position; ++i)
        ++it;
    return *it;
}

int ModelTree::nodeCount() const
{
    int count = 0;
    for (QTreeWidgetItemIterator it(const_cast<ModelTree*>(this)); *it; ++it)
        ++count;
    return count;
}

QList<QTreeWidgetItem*> ModelTree::nodesInOrder() const
{
    QList<QTreeWidgetItem*> nodes;
    for (QTreeWidgetItemIterator it(const_cast<ModelTree*>(this)); *it; ++it)
        nodes.append(*it);
    return nodes;
}

int ModelTree::levelOf(const QTreeWidgetItem* node) const
{
    if (!node)
        return -1;
    int level = 0;
    for (const QTreeWidgetItem* up = node->parent(); up; up = up->parent())
        ++level;
    return level;
}

QTreeWidgetItem* ModelTree::selectedNode() const
{
    return itemFromIndex(guard_->selectedIndex());
}

void ModelTree::selectPosition(int position)
{
    if (QTreeWidgetItem* node = itemAtPosition(position))
        setCurrentItem(node);
}

void ModelTree::clear()
{
    GuardedSelectionModel::Unguarded unguarded(*guard_);
    QTreeWidget::clear();
}

void ModelTree::mousePressEvent(QMouseEvent* event)
{
    GuardedSelectionModel::UserEvent scope(*guard_, true);
    QTreeWidget::mousePressEvent(event);
}

void ModelTree::mouseMoveEvent(QMouseEvent* event)
{
    GuardedSelectionModel::UserEvent scope(*guard_, true);
    QTreeWidget::mouseMoveEvent(event);
}

void ModelTree::mouseReleaseEvent(QMouseEvent* event)
{
    GuardedSelectionModel::UserEvent scope(*guard_, true);
    QTreeWidget::mouseReleaseEvent(event);
}

void ModelTree::mouseDoubleClickEvent(QMouseEvent* event)
{
    GuardedSelectionModel::UserEvent scope(*guard_, true);
    QTreeWidget::mouseDoubleClickEvent(event);
}

void ModelTree::keyPressEvent(QKeyEvent* event)
{
    GuardedSelectionModel::UserEvent scope(*guard_, false);
    QTreeWidget::keyPressEvent(event);
}

QItemSelectionModel::SelectionFlags ModelTree::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    // A node is left only by selecting another one: Ctrl+click does not
    // empty the selection.
    const QItemSelectionModel::SelectionFlags command = QTreeWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return command;
}
