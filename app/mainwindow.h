#pragma once

#include "editorstate.h"
#include "mainlayout.h"

#include <QWidget>

class ElementEditor;
class Host;

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
    void FormCreate();
    void applyFonts(const QString& family, int pointSize);

    Host& host_;
    EditorState state_;
    MainLayout ui_;
    ElementEditor* editor_ = nullptr;
    bool endRequested_ = false;
    bool centred_ = false;
};
