// Value panels: showing an element beside its pristine values, storing the
// panel values back into the model file, and the change markers.
#include "elementeditor.h"

#include "changestatus.h"
#include "editorstate.h"
#include "host.h"
#include "modeltree.h"
#include "numericedit.h"
#include "picture.h"
#include "updown.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QString kYes = QStringLiteral("ja");
const QString kNo = QStringLiteral("nein");

// An access slot holding exactly "0" is not set; any other text is.
QString accessCaption(const QString& slotText)
{
    return slotText == QStringLiteral("0") ? kNo : kYes;
}

const ElementRecord& recordFor(const EditorState& state, SlotSource::Record record, bool pristine)
{
    const ModelStore& model = state.Model;
    if (record == SlotSource::House)
        return pristine ? model.PristineHouseFields : model.HouseFields;
    return pristine ? model.PristineBuildingFields : model.BuildingFields;
}

ElementRecord& currentRecordFor(EditorState& state, SlotSource::Record record)
{
    return record == SlotSource::House ? state.Model.HouseFields : state.Model.BuildingFields;
}

void setRowEnabled(const RowControls& controls, bool on)
{
    for (QWidget* widget : {static_cast<QWidget*>(controls.label), controls.valueControl(),
                            static_cast<QWidget*>(controls.button), static_cast<QWidget*>(controls.stepper)}) {
        if (widget)
            widget->setEnabled(on);
    }
}

void showValue(const RowControls& controls, const QString& current, const QString& pristine)
{
    if (controls.edit) {
        controls.edit->setValueText(current);
        controls.button->setText(pristine);
    } else {
        controls.toggle->setChecked(accessCaption(current) == kYes);
        controls.toggle->setText(accessCaption(current));
        controls.button->setText(accessCaption(pristine));
    }
}

}  // namespace

void ElementEditor::ShowElement(const QString& caption, int code)
{
    ui_.NoSelectImage->hide();
    if (!state_.ModelLoaded || !state_.PristineLoaded) {
        showNoElement();
        ui_.ElementMessage->setText(state_.StartupProblem.isEmpty()
                                        ? QStringLiteral("Die Modelldatei wurde nicht geladen.")
                                        : state_.StartupProblem);
        return;
    }
    if (!state_.Model.ElementExists(caption)) {
        // Without a row there is nothing to show or store; the cut records
        // would be empty and a store would replace no line.
        showNoElement();
        ui_.ElementMessage->setText(
            QStringLiteral("Die Modelldatei enthält keinen Eintrag für \"%1\".").arg(caption));
        return;
    }
    const ElementKind kind = state_.Model.LoadElementRecords(caption, code);
    FillValuePanels(kind);

    ui_.ElementMessage->hide();
    // A model file of another layout can be browsed but not stored into; the
    // reason was shown when it was loaded and stands in the buttons' hints.
    const QString blocker = storeBlocker();
    if (!blocker.isEmpty()) {
        ui_.Speichern->setEnabled(false);
        ui_.SingleElementReset->setEnabled(false);
    }
    ui_.Speichern->setToolTip(blocker);
    RefreshChangeState();
}

void ElementEditor::FillValuePanels(ElementKind kind)
{
    const bool building = kind == ElementKind::Building;
    ui_.Panel1->show();
    ui_.Panel2->setVisible(!building);
    ui_.NoSelectImage->hide();
    for (const RowControls& controls : ui_.rows) {
        const ValueRow& row = *controls.row;
        if (building && row.panel == RowPanel::Panel2)
            continue;
        const SlotSource source = building ? row.forBuilding : row.forHouse;
        if (source.record == SlotSource::None) {
            setRowEnabled(controls, false);
            showValue(controls, QStringLiteral("0"), QStringLiteral("0"));
            continue;
        }
        setRowEnabled(controls, true);
        showValue(controls, recordFor(state_, source.record, false).slot[source.slot],
                  recordFor(state_, source.record, true).slot[source.slot]);
    }
}

bool ElementEditor::StoreElement(const QString& caption, int code)
{
    const QString blocker = storeBlocker();
    if (!blocker.isEmpty()) {
        showError(blocker);
        return false;
    }
    ModelStore& model = state_.Model;
    const int rowIndex = FindElementRow(model.CurrentModel, caption);
    if (rowIndex >= model.CurrentModel.count()) {
        showError(QStringLiteral("Die Modelldatei enthält keinen Eintrag für \"%1\"; es wurde nichts gespeichert.")
                      .arg(caption));
        return false;
    }
    const ElementKind kind = ElementKindOf(rowIndex);
    const int partnerIndex = kind == ElementKind::House ? FindPartnerRow(model.CurrentModel, code) : -1;

    if (kind != ElementKind::Neither) {
        const bool building = kind == ElementKind::Building;
        for (const RowControls& controls : ui_.rows) {
            const SlotSource source = building ? controls.row->forBuilding : controls.row->forHouse;
            if (source.record == SlotSource::None || (building && controls.row->panel == RowPanel::Panel2))
                continue;
            // A toggle is stored as "1" or "0"; an edit's text as it stands
            // (the join trims it).
            const QString value = controls.edit ? controls.edit->text()
                                                : (controls.toggle->isChecked() ? QStringLiteral("1")
                                                                                : QStringLiteral("0"));
            currentRecordFor(state_, source.record).slot[source.slot] = value;
        }
    }

    QString error;
    if (!model.WriteElementRows(kind, rowIndex, partnerIndex, host_.files(), &error)) {
        showError(error);
        return false;
    }
    state_.IsDirty = false;
    ShowElement(caption, code);
    return true;
}

void ElementEditor::UpdateChangeMarkers()
{
    for (const RowControls& controls : ui_.rows) {
        if (controls.marker->parentWidget()->isHidden())
            continue;
        controls.marker->setVisible(controls.valueText() != controls.button->text());
    }
}

void ElementEditor::DetectAnyChange()
{
    state_.AnyValueChanged = false;
    const QList<Picture*> pictures = window_->findChildren<Picture*>();
    for (const Picture* picture : pictures) {
        const QString suffix = picture->objectName().right(3);
        if (!sameControlName(suffix, QStringLiteral("PNG")))
            continue;
        if (!picture->parentWidget()->isHidden() && !picture->isHidden()) {
            state_.AnyValueChanged = true;
            return;
        }
    }
}

void ElementEditor::RefreshChangeState()
{
    UpdateChangeMarkers();
    DetectAnyChange();
    if (!statusUpdatesPossible())
        return;
    QString error;
    if (!UpdateTreeChangeStatus(*ui_.ModellTree, state_.AnyValueChanged, state_.TreeStatus, host_.files(),
                                state_.TreeStatusPath(), &error))
        showError(error);
}

void ElementEditor::showNoElement()
{
    ui_.Panel1->hide();
    ui_.Panel2->hide();
    ui_.NoSelectImage->show();
    ui_.ElementMessage->show();
    ui_.ElementMessage->raise();
    ui_.Speichern->setEnabled(false);
    ui_.SingleElementReset->setEnabled(false);
}

QString ElementEditor::storeBlocker() const
{
    if (!state_.ModelLoaded || !state_.PristineLoaded) {
        return state_.StartupProblem.isEmpty()
                   ? QStringLiteral("Die Modelldatei wurde beim Start nicht geladen; es wird nichts gespeichert.")
                   : QStringLiteral("Der Start war unvollständig; es wird nichts gespeichert. %1")
                         .arg(state_.StartupProblem);
    }
    if (!state_.Model.LayoutIsSound())
        return state_.Model.LayoutProblem();
    return QString();
}

bool ElementEditor::statusUpdatesPossible() const
{
    const QTreeWidgetItem* node = ui_.ModellTree->selectedNode();
    return state_.TreeBuilt && state_.TreeStatusLoaded && node && ui_.ModellTree->levelOf(node) > 0
           && state_.NodeIndexList.value(ui_.ModellTree->positionOf(node)).toInt() != 0;
}
