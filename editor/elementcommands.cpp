// The four command buttons below the panels.
#include "elementeditor.h"

#include "changestatus.h"
#include "editorstate.h"
#include "host.h"
#include "modeltree.h"
#include "picture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

void ElementEditor::SpeichernClick()
{
    if (state_.CurrentElementCode >= 5 && ui_.ModellTree->selectedNode())
        StoreElement(selectedCaption(), state_.CurrentElementCode);
}

void ElementEditor::SingleElementResetClick()
{
    if (!ui_.ModellTree->selectedNode() || state_.CurrentElementCode == 0)
        return;
    const QString caption = selectedCaption();
    ResetElementToOriginal(caption, state_.CurrentElementCode);
    StoreElement(caption, state_.CurrentElementCode);
}

void ElementEditor::ResetElementToOriginal(const QString& caption, int code)
{
    if (!state_.PristineLoaded)
        return;
    const ElementKind kind = state_.Model.LoadPristineRecords(caption, code);
    FillValuePanels(kind);
    // The panels now differ from the file until the store that follows succeeds.
    state_.IsDirty = true;
    UpdateChangeMarkers();
}

void ElementEditor::CompleteResetClick()
{
    ResetCompleteModel();
}

void ElementEditor::ResetCompleteModel()
{
    if (host_.ShowMessage(QStringLiteral("Die komplette Modelldatei zurücksetzen?"),
                          QStringLiteral("Sicherheitsabfrage"), MessageKind::OkCancelQuestion)
        != MessageAnswer::Ok)
        return;
    if (!state_.PristineLoaded || state_.ModelDir.isEmpty()) {
        showError(QStringLiteral("Das eingebettete Modell wurde beim Start nicht geladen; "
                                 "die Modelldatei wird nicht zurückgesetzt."));
        return;
    }
    QString error;
    state_.Model.ModelFilePath = state_.ModelFilePath();
    if (!state_.Model.RestorePristineModel(host_.files(), &error)) {
        showError(error);
        return;
    }
    state_.ModelLoaded = true;
    QCoreApplication::processEvents();

    if (!ResetTreeStatus(state_.TreeStatus, host_.files(), state_.ResetTreeStatusPath(), state_.TreeStatusPath(),
                         &error)) {
        showError(error);
        return;
    }
    state_.TreeStatusLoaded = true;
    QCoreApplication::processEvents();

    // A pending edit belonged to the replaced model: nothing is left to ask about.
    state_.IsDirty = false;
    BuildTree();

    ui_.Panel1->hide();
    ui_.Panel2->hide();
    ui_.ElementMessage->hide();
    ui_.NoSelectImage->show();
    ui_.ObjektnameLabel->setText(QString());
    ui_.BuildingImage->clear();
    ui_.Speichern->setEnabled(false);
    ui_.SingleElementReset->setEnabled(false);
    ui_.SingleElementReset->hide();
}

void ElementEditor::BeendenClick()
{
    window_->close();
}
