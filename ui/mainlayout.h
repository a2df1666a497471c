#pragma once

#include "imagelists.h"
#include "valuerows.h"

#include <QList>

class ModelTree;
class NumericEdit;
class PictureDecoder;
class Picture;
class QLabel;
class QPushButton;
class QWidget;
class Shape;
class UpDown;

// The controls of one value row.
struct RowControls {
    const ValueRow* row = nullptr;
    QLabel* label = nullptr;
    NumericEdit* edit = nullptr;    // numeric rows
    QPushButton* toggle = nullptr;  // access rows
    UpDown* stepper = nullptr;      // numeric rows
    QPushButton* button = nullptr;  // reset button; its caption is the pristine value
    Picture* marker = nullptr;

    QWidget* valueControl() const;
    // The shown value: the edit's text, or the toggle's caption "ja"/"nein".
    QString valueText() const;
};

// Every control of the main window, created at its place, with its name,
// caption, initial state, stacking and tab order. No behaviour is connected.
struct MainLayout {
    Picture* NoSelectImage = nullptr;
    Shape* Shape1 = nullptr;
    Shape* Shape2 = nullptr;
    Picture* Image1 = nullptr;
    QPushButton* Beenden = nullptr;
    ModelTree* ModellTree = nullptr;
    QPushButton* Speichern = nullptr;
    QPushButton* CompleteReset = nullptr;
    QPushButton* SingleElementReset = nullptr;
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    Shape* Shape3 = nullptr;
    Shape* Shape4 = nullptr;
    Shape* Shape5 = nullptr;
    QLabel* ObjektnameLabel = nullptr;
    Picture* Image2 = nullptr;
    Picture* BuildingImage = nullptr;
    Picture* Image3 = nullptr;
    // Says in German why no values are shown for a selected element (no row in
    // the model file, a model file of another layout, an incomplete start-up).
    QLabel* ElementMessage = nullptr;

    QList<RowControls> rows;  // in the order of valueRows()
    ImageLists images;
};

// The pictures the layout shows from the start, to be decoded beforehand.
QStringList layoutPictureNames();
// Builds the whole window body into window (the client area, 949 x 579),
// with pictures decoding the names of layoutPictureNames().
MainLayout buildMainLayout(QWidget* window, PictureDecoder& pictures);
