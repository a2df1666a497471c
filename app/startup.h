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
// A failed check (no rights; no registered path, one the host cannot map, or
// no "Emperor.exe" there) shows its message, calls host.EndProcess() and sets
// endProcess. An error of a later step shows one box with the error's own
// message, sets error and state.StartupProblem and skips the remaining steps;
// state's loaded flags tell which lists were loaded.
StartupResult FormCreate(Host& host, EditorState& state);
