#pragma once

#include <QString>

class Host;
struct EditorState;

// How the window's font is chosen after the embedded font was registered.
struct FontChoice {
    QString family;      // "Formal436 BT" or "Calibri"
    int pointSize = 10;  // window font; the tree gets 11, the header label 12 bold
};

struct StartupResult {
    bool endProcess = false;  // a check failed: end with exit status 0, show no window
    bool complete = false;    // every step ran; otherwise error holds the reason
    QString error;            // German message of the step that failed
    FontChoice font;          // the fonts to apply to the window
};

// The start-up sequence up to the fonts: rights, running game, installation,
// the three line lists, backup and seeding of the model folder, manual and
// font. Shows its messages through host. The tree build and the first
// selection are left to the window.
StartupResult FormCreate(Host& host, EditorState& state);
