// Editing handlers: typing, stepping, toggling and the per-row resets. They
// change only the controls; nothing is written to the model file here.
#include "elementeditor.h"

#include "asciicase.h"
#include "editorstate.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// The stem of a reset button's name: the name without its suffix "Btn".
QString stemOf(const QPushButton* resetButton)
{
    return resetButton->objectName().chopped(3);
}

}  // namespace

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
    const QString stem = stemOf(resetButton);
    auto* button = qobject_cast<QPushButton*>(findControl(stem + QStringLiteral("Btn")));
    auto* edit = qobject_cast<QLineEdit*>(findControl(stem + QStringLiteral("Edit")));
    if (button && edit)
        edit->setText(button->text());
    RefreshChangeState();
}

void ElementEditor::ResetSingleSpeedButtonValue(QPushButton* resetButton)
{
    state_.IsDirty = true;
    const QString stem = stemOf(resetButton);
    auto* button = qobject_cast<QPushButton*>(findControl(stem + QStringLiteral("Btn")));
    auto* toggle = qobject_cast<QPushButton*>(findControl(stem + QStringLiteral("Edit")));
    if (button && toggle) {
        const bool set = button->text() == QStringLiteral("ja");
        toggle->setChecked(set);
        toggle->setText(set ? QStringLiteral("ja") : QStringLiteral("nein"));
    }
    RefreshChangeState();
}
