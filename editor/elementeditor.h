#pragma once

#include "mainlayout.h"
#include "modelstore.h"

#include <QObject>

class Host;
class QPushButton;
class QTreeWidgetItem;
struct EditorState;

// The behaviour of the main window: the selection flow, the value panels and
// their bindings, the editing handlers and the element commands. It owns no
// widgets and no state of its own beyond what it is handed: the program's
// state, the window's controls and the host.
class ElementEditor : public QObject {
    Q_OBJECT
public:
    ElementEditor(EditorState& state, MainLayout& ui, Host& host, QWidget* window);

    // Builds the tree from the embedded blocks and TreeStatus. Returns false and
    // shows the error when the build failed.
    bool BuildTree();
    // Selects the tree's first node, as start-up does.
    void SelectFirstNode();

    // Selection flow.
    bool ModellTreeChanging(QTreeWidgetItem* from, QTreeWidgetItem* to);
    void ModellTreeChange(QTreeWidgetItem* node);
    void SetElementHeader(bool on);

    // Value panels.
    void ShowElement(const QString& caption, int code);
    void FillValuePanels(ElementKind kind);
    // Returns false when nothing was stored (the error was shown); IsDirty then stays set.
    bool StoreElement(const QString& caption, int code);
    void UpdateChangeMarkers();
    void DetectAnyChange();
    void RefreshChangeState();

    // Editing handlers.
    void SetIsDirtyOnKeyUp();
    void UpDClick();
    void AccessToggleClick(QPushButton* toggle);
    void ResetSingleValue(QPushButton* resetButton);
    void ResetSingleSpeedButtonValue(QPushButton* resetButton);

    // Element commands.
    void SpeichernClick();
    void SingleElementResetClick();
    void CompleteResetClick();
    void BeendenClick();
    void ResetElementToOriginal(const QString& caption, int code);
    void ResetCompleteModel();

    // The control named name among the window's components, comparing the
    // letters A-Z without regard to case and every other character exactly.
    QWidget* findControl(const QString& name) const;

private:
    void connectHandlers();
    void showError(const QString& message);
    void showNoElement();
    // German reason why elements cannot be stored now, or empty text.
    QString storeBlocker() const;
    QString selectedCaption() const;
    // The value control of the reset button's row, and in *pristine the
    // button's caption; nullptr when the row's controls are not found.
    QWidget* findRowValueControl(const QPushButton* resetButton, QString* pristine) const;
    bool statusUpdatesPossible() const;

    EditorState& state_;
    MainLayout& ui_;
    Host& host_;
    QWidget* window_;
};

// Compares two control names ignoring the case of A-Z only ("ä" and "Ä" differ).
bool sameControlName(const QString& a, const QString& b);
