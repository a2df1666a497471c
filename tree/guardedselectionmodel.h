#pragma once

#include <QItemSelectionModel>

#include <functional>

// A selection model for a single-selection view that asks before the selected
// index moves, and can be refused.
//
// Every change of the selected index, whether it comes through select() or
// setCurrentIndex(), first calls allowChange(from, to) with the index selected
// now (invalid when none) and the one about to be selected (invalid when the
// selection is to be emptied). Returning false leaves both the selection and the
// current index as they were. Nothing is asked when the target is the selected
// index itself, nor when only the current index moves outside a user event.
//
// Inside a UserEvent (one mouse or key event of the view) at most one question is
// asked; its answer holds for every further change the same event makes. In a
// mouse event moving only the current index already asks, since the view selects
// that index right after (and must not move the current one when refused).
class GuardedSelectionModel : public QItemSelectionModel {
    Q_OBJECT
public:
    using QItemSelectionModel::QItemSelectionModel;

    std::function<bool(const QModelIndex& from, const QModelIndex& to)> allowChange;

    using QItemSelectionModel::select;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;
    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;

    // The selected index, or an invalid one.
    QModelIndex selectedIndex() const;

    // Marks the span of one user event of the view; nests.
    class UserEvent {
    public:
        // currentMoveSelects: the event selects whatever it makes current (mouse).
        UserEvent(GuardedSelectionModel& model, bool currentMoveSelects);
        ~UserEvent();
        UserEvent(const UserEvent&) = delete;
        UserEvent& operator=(const UserEvent&) = delete;

    private:
        GuardedSelectionModel& model_;
        bool outerInEvent_;
        bool outerCurrentMoveSelects_;
        int outerAnswer_;
    };

    // Lets every change through unasked while it lives, for emptying the view.
    class Unguarded {
    public:
        explicit Unguarded(GuardedSelectionModel& model);
        ~Unguarded();
        Unguarded(const Unguarded&) = delete;
        Unguarded& operator=(const Unguarded&) = delete;

    private:
        GuardedSelectionModel& model_;
        bool outer_;
    };

private:
    // The index selected after command is applied to selection.
    QModelIndex targetOf(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) const;
    // True when the move from the selected index to target may go ahead.
    bool mayMoveTo(const QModelIndex& target);

    enum Answer { NotAsked = -1, Refused = 0, Allowed = 1 };
    bool inUserEvent_ = false;
    bool currentMoveSelects_ = false;
    int eventAnswer_ = NotAsked;
    bool unguarded_ = false;
};
