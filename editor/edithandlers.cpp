// Editing handlers: typing, stepping, toggling and the per-row resets. They
// change only the controls; nothing is written to the model file here.
#include "elementeditor.h"

#include "asciicase.h"
#include "editorstate.h"

#include <QLineEdit>
#include <QPushButton>

bool sameControlName(const QString& a, const QString& b)
{
    return EqualIgnoringAsciiCase(a, b);
}

QWidget* ElementEditor::findControl(const QString& name) const
{
    const QList<QWidget*> widgets = window_->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (sameControlName(widget->objectName(), name))
            return widget;
    }
    return nullptr;
}

void ElementEditor::SetIsDirtyOnKeyUp()
{
    state_.IsDirty = true;
    RefreshChangeState();
}

void ElementEditor::UpDClick()
{
    state_.IsDirty = true;
    RefreshChangeState();
}

void ElementEditor::AccessToggleClick(QPushButton* toggle)
{
    toggle->setText(toggle->isChecked() ? QStringLiteral("ja") : QStringLiteral("nein"));
    state_.IsDirty = true;
    // The tree status follows at the next update of another kind.
    UpdateChangeMarkers();
}

void ElementEditor::ResetSingleValue(QPushButton* resetButton)
{
    state_.IsDirty = true;
    QString pristine;
    if (auto* edit = qobject_cast<QLineEdit*>(findRowValueControl(resetButton, &pristine)))
        edit->setText(pristine);
    RefreshChangeState();
}

void ElementEditor::ResetSingleSpeedButtonValue(QPushButton* resetButton)
{
    state_.IsDirty = true;
    QString pristine;
    if (auto* toggle = qobject_cast<QPushButton*>(findRowValueControl(resetButton, &pristine))) {
        const bool set = pristine == QStringLiteral("ja");
        toggle->setChecked(set);
        toggle->setText(set ? QStringLiteral("ja") : QStringLiteral("nein"));
    }
    RefreshChangeState();
}

QWidget* ElementEditor::findRowValueControl(const QPushButton* resetButton, QString* pristine) const
{
    // The stem is the reset button's name without its suffix "Btn"; both
    // controls are found by name, as the window's names differ in letter case.
    const QString stem = resetButton->objectName().chopped(3);
    auto* button = qobject_cast<QPushButton*>(findControl(stem + QStringLiteral("Btn")));
    if (!button)
        return nullptr;
    *pristine = button->text();
    return findControl(stem + QStringLiteral("Edit"));
}
