// What happens when the tree's selection moves: an edited element may be
// stored first, then the new node is shown in the header and the panels.
#include "elementeditor.h"

#include "editorstate.h"
#include "host.h"
#include "modeltree.h"
#include "picture.h"
#include "numericedit.h"
#include "treebuilder.h"
#include "updown.h"

#include <QLabel>
#include <QPushButton>

ElementEditor::ElementEditor(EditorState& state, MainLayout& ui, Host& host, QWidget* window)
    : QObject(window), state_(state), ui_(ui), host_(host), window_(window)
{
    connectHandlers();
}

bool ElementEditor::BuildTree()
{
    QString error;
    state_.TreeBuilt = false;
    if (!BuildModelTreeFromResources(*ui_.ModellTree, state_.TreeStatus, state_.NodeIndexList,
                                     state_.NodeStatusList, &error)) {
        showError(error);
        return false;
    }
    state_.TreeBuilt = true;
    return true;
}

void ElementEditor::SelectFirstNode()
{
    if (state_.TreeBuilt)
        ui_.ModellTree->selectPosition(0);
}

bool ElementEditor::ModellTreeChanging(QTreeWidgetItem* from, QTreeWidgetItem*)
{
    if (!state_.IsDirty)
        return true;
    const QString question =
        ui_.ObjektnameLabel->text() + QChar(u'\r') + QStringLiteral("Die Einheit wurde bearbeitet. Speichern?");
    if (host_.ShowMessage(question, QStringLiteral("Sicherheitsabfrage"), MessageKind::YesNoQuestion)
        != MessageAnswer::Yes) {
        state_.IsDirty = false;
        return true;
    }
    if (!from) {
        state_.IsDirty = false;
        return true;
    }
    // A failed store keeps the edited element selected, so its values are not
    // overwritten by the next node.
    return StoreElement(from->text(0), state_.CurrentElementCode);
}

void ElementEditor::ModellTreeChange(QTreeWidgetItem* node)
{
    if (!node)
        return;
    ui_.BuildingImage->clear();
    const int picture = ui_.ModellTree->pictureOf(node);
    if (picture >= 0 && picture < ui_.images.BuildingsImageList.size())
        ui_.BuildingImage->setPixmap(ui_.images.BuildingsImageList.at(picture));

    state_.CurrentElementCode = state_.NodeIndexList.value(ui_.ModellTree->positionOf(node)).trimmed().toInt();
    const int code = state_.CurrentElementCode;
    if (code == 0) {
        SetElementHeader(false);
        ui_.SingleElementReset->setText(QStringLiteral("Reset"));
        ui_.Panel1->hide();
        ui_.Panel2->hide();
        ui_.ElementMessage->hide();
        ui_.NoSelectImage->show();
    } else if (code >= 1 && code <= 399) {
        SetElementHeader(true);
        ui_.SingleElementReset->setText(QStringLiteral("Reset : ") + node->text(0));
        ShowElement(node->text(0), code);
    }
}

void ElementEditor::SetElementHeader(bool on)
{
    const QTreeWidgetItem* node = ui_.ModellTree->selectedNode();
    ui_.ObjektnameLabel->setText(node ? node->text(0) : QString());
    ui_.Speichern->setEnabled(on);
    ui_.SingleElementReset->setEnabled(on);
    ui_.SingleElementReset->setVisible(on);
}

QString ElementEditor::selectedCaption() const
{
    const QTreeWidgetItem* node = ui_.ModellTree->selectedNode();
    return node ? node->text(0) : QString();
}

void ElementEditor::showError(const QString& message)
{
    host_.ShowMessage(message, QStringLiteral("MAV Edit"), MessageKind::Error);
}

void ElementEditor::connectHandlers()
{
    ModelTree* tree = ui_.ModellTree;
    tree->changing = [this](QTreeWidgetItem* from, QTreeWidgetItem* to) { return ModellTreeChanging(from, to); };
    connect(tree, &ModelTree::selectionMoved, this, &ElementEditor::ModellTreeChange);

    connect(ui_.Speichern, &QPushButton::clicked, this, &ElementEditor::SpeichernClick);
    connect(ui_.SingleElementReset, &QPushButton::clicked, this, &ElementEditor::SingleElementResetClick);
    connect(ui_.CompleteReset, &QPushButton::clicked, this, &ElementEditor::CompleteResetClick);
    connect(ui_.Beenden, &QPushButton::clicked, this, &ElementEditor::BeendenClick);

    for (const RowControls& controls : ui_.rows) {
        QPushButton* resetButton = controls.button;
        if (controls.edit) {
            connect(controls.edit, &NumericEdit::keyReleased, this, &ElementEditor::SetIsDirtyOnKeyUp);
            connect(controls.stepper, &UpDown::clicked, this, &ElementEditor::UpDClick);
            connect(resetButton, &QPushButton::clicked, this, [this, resetButton] { ResetSingleValue(resetButton); });
        } else {
            QPushButton* toggle = controls.toggle;
            connect(toggle, &QPushButton::clicked, this, [this, toggle] { AccessToggleClick(toggle); });
            connect(resetButton, &QPushButton::clicked, this,
                    [this, resetButton] { ResetSingleSpeedButtonValue(resetButton); });
        }
    }
}
