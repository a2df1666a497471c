#pragma once

#include "editorstate.h"
#include "mainlayout.h"

#include <QWidget>

class ElementEditor;
class Host;
struct StartupResult;

// The program's one window. Creating it runs the start-up sequence; when a
// start-up check ends the program, endRequested() is true and the window must
// not be shown.
class TMain : public QWidget {
    Q_OBJECT
public:
    explicit TMain(Host& host, QWidget* parent = nullptr);
    ~TMain() override;

    bool endRequested() const { return endRequested_; }

    EditorState& state() { return state_; }
    MainLayout& controls() { return ui_; }
    ElementEditor& editor() { return *editor_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // What the window does with the start-up's outcome: an incomplete
    // start-up is shown in the header, otherwise the tree is built.
    void finishStartup(const StartupResult& result);
    // The tree's and the header label's own sizes of the chosen family.
    void applyControlFonts(const QString& family);

    Host& host_;
    EditorState state_;
    MainLayout ui_;
    ElementEditor* editor_ = nullptr;
    bool endRequested_ = false;
    bool centred_ = false;
};
