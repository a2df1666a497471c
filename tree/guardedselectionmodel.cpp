#include "guardedselectionmodel.h"

namespace {

QModelIndex rowStart(const QModelIndex& index)
{
    return index.isValid() ? index.siblingAtColumn(0) : QModelIndex();
}

}  // namespace

QModelIndex GuardedSelectionModel::selectedIndex() const
{
    const QModelIndexList indexes = selectedIndexes();
    return indexes.isEmpty() ? QModelIndex() : rowStart(indexes.first());
}

QModelIndex GuardedSelectionModel::targetOf(const QItemSelection& selection,
                                            QItemSelectionModel::SelectionFlags command) const
{
    const QModelIndex selected = selectedIndex();
    const QModelIndexList indexes = selection.indexes();
    const QModelIndex first = indexes.isEmpty() ? QModelIndex() : rowStart(indexes.first());
    const bool holdsSelected = selected.isValid() && selection.contains(selected);

    if (command & QItemSelectionModel::Clear)
        return (command & QItemSelectionModel::Select) ? first : QModelIndex();
    if (command & QItemSelectionModel::Select)
        return first.isValid() ? first : selected;
    if (command & QItemSelectionModel::Deselect)
        return holdsSelected ? QModelIndex() : selected;
    if (command & QItemSelectionModel::Toggle)
        return holdsSelected ? QModelIndex() : (first.isValid() ? first : selected);
    return selected;
}

bool GuardedSelectionModel::mayMoveTo(const QModelIndex& target)
{
    const QModelIndex selected = selectedIndex();
    if (unguarded_ || rowStart(target) == selected)
        return true;
    if (inUserEvent_ && eventAnswer_ != NotAsked)
        return eventAnswer_ == Allowed;
    const bool allowed = !allowChange || allowChange(selected, rowStart(target));
    if (inUserEvent_)
        eventAnswer_ = allowed ? Allowed : Refused;
    return allowed;
}

void GuardedSelectionModel::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command)
{
    if (command != QItemSelectionModel::NoUpdate && !mayMoveTo(targetOf(selection, command)))
        return;
    QItemSelectionModel::select(selection, command);
}

void GuardedSelectionModel::setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command)
{
    const bool selects = command != QItemSelectionModel::NoUpdate;
    if ((selects || (inUserEvent_ && currentMoveSelects_)) && !unguarded_) {
        const QModelIndex target = selects ? targetOf(QItemSelection(index, index), command) : index;
        if (!mayMoveTo(target))
            return;
        // The select() the base class makes for this call belongs to the
        // change just allowed: it must not ask a second time.
        Unguarded allowed(*this);
        QItemSelectionModel::setCurrentIndex(index, command);
        return;
    }
    QItemSelectionModel::setCurrentIndex(index, command);
}

GuardedSelectionModel::UserEvent::UserEvent(GuardedSelectionModel& model, bool currentMoveSelects)
    : model_(model),
      outerInEvent_(model.inUserEvent_),
      outerCurrentMoveSelects_(model.currentMoveSelects_),
      outerAnswer_(model.eventAnswer_)
{
    model_.inUserEvent_ = true;
    model_.currentMoveSelects_ = currentMoveSelects;
    model_.eventAnswer_ = NotAsked;
}

GuardedSelectionModel::UserEvent::~UserEvent()
{
    model_.inUserEvent_ = outerInEvent_;
    model_.currentMoveSelects_ = outerCurrentMoveSelects_;
    model_.eventAnswer_ = outerAnswer_;
}

GuardedSelectionModel::Unguarded::Unguarded(GuardedSelectionModel& model) : model_(model), outer_(model.unguarded_)
{
    model_.unguarded_ = true;
}

GuardedSelectionModel::Unguarded::~Unguarded()
{
    model_.unguarded_ = outer_;
}
