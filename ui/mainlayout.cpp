#include "mainlayout.h"

#include "modeltree.h"
#include "numericedit.h"
#include "picture.h"
#include "picturedecoder.h"
#include "shape.h"
#include "updown.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

// Left edges of the parts of a row, per panel and column.
struct ColumnPlaces {
    int label, edit, stepper, toggle, marker, button;
};
constexpr ColumnPlaces kPanel1Columns[2] = {{2, 142, 207, 142, 226, 252}, {334, 474, 539, 474, 559, 585}};
constexpr ColumnPlaces kPanel2Columns[2] = {{0, 140, 205, 140, 224, 250}, {332, 472, 537, 472, 557, 584}};

int rowLineTop(const ValueRow& row)
{
    return row.panel == RowPanel::Panel1 ? 24 + 25 * (row.line - 1) : 25 * (row.line - 1);
}

// How far a row's label stands above its row line.
int labelRaise(const ValueRow& row)
{
    if (row.panel == RowPanel::Panel1)
        return row.column == 0 ? 3 : 0;
    if (row.column == 0)
        return row.line == 1 ? 2 : 3;
    return row.line >= 7 ? 1 : 0;
}

int labelLeft(const ValueRow& row, const ColumnPlaces& places)
{
    const QString name = nameOf(row.labelName);
    if (name == QStringLiteral("RückentwicklungLabel"))
        return 1;
    if (name == QStringLiteral("DramazugangLabel"))
        return 335;
    return places.label;
}

template <typename T>
T* named(T* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

Picture* picture(QWidget* parent, const QString& name, QRect geometry)
{
    auto* image = named(new Picture(parent), name);
    image->setGeometry(geometry);
    return image;
}

const QString kNoSelectPicture = QStringLiteral("NoSelectImage.png");
const QString kBottomBanner = QStringLiteral("Image1.png");
const QString kBuildingFrame = QStringLiteral("Image2.png");
const QString kHeaderBanner = QStringLiteral("Image3.png");
const QString kMarkerPicture = QStringLiteral("marker.png");

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, QRect geometry)
{
    auto* control = named(new QPushButton(caption, parent), name);
    control->setGeometry(geometry);
    control->setAutoDefault(false);
    return control;
}

Shape* line(QWidget* parent, const QString& name, QRect geometry, Shape::Style style = Shape::Filled)
{
    auto* shape = named(new Shape(style, parent), name);
    shape->setGeometry(geometry);
    return shape;
}

QLabel* heading(QWidget* panel, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, panel);
    label->setGeometry(left, top, 65, 25);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

RowControls buildRow(const ValueRow& row, QWidget* panel)
{
    const ColumnPlaces& places =
        (row.panel == RowPanel::Panel1 ? kPanel1Columns : kPanel2Columns)[row.column];
    const int top = rowLineTop(row);
    RowControls controls;
    controls.row = &row;

    controls.label = named(new QLabel(nameOf(row.caption), panel), nameOf(row.labelName));
    controls.label->setGeometry(labelLeft(row, places), top - labelRaise(row), 130, 26);
    controls.label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (nameOf(row.labelName) == QStringLiteral("RückentwicklungLabel"))
        controls.label->setToolTip(QStringLiteral("Ab diesem Wert enwickelt sich das Haus zurück"));
    if (nameOf(row.labelName) == QStringLiteral("WeiterentwicklungLabel"))
        controls.label->setToolTip(QStringLiteral("Ab diesem Wert beginnt die Weiterentwicklung"));

    if (row.kind == RowKind::Number) {
        controls.edit = named(new NumericEdit(panel), nameOf(row.editName));
        controls.edit->setGeometry(places.edit, top, 65, 22);
        controls.edit->setValueText(QStringLiteral("0"));
        controls.stepper = named(new UpDown(controls.edit, row.minimum, row.maximum, row.increment, panel),
                                 nameOf(row.stepperName));
        controls.stepper->setGeometry(places.stepper, top, 16, 22);
    } else {
        controls.toggle = named(new QPushButton(QStringLiteral("nein"), panel), nameOf(row.editName));
        controls.toggle->setGeometry(places.toggle, top, 65, 25);
        controls.toggle->setCheckable(true);
        controls.toggle->setFocusPolicy(Qt::NoFocus);
        controls.toggle->setAutoDefault(false);
    }

    controls.marker = named(new Picture(panel), nameOf(row.markerName));
    controls.marker->setGeometry(places.marker, top, 25, 25);
    controls.marker->hide();

    controls.button = named(new QPushButton(panel), nameOf(row.buttonName));
    controls.button->setGeometry(places.button, top, 65, 25);
    controls.button->setFocusPolicy(Qt::NoFocus);
    controls.button->setAutoDefault(false);
    return controls;
}

QWidget* panel(QWidget* window, const QString& name, QRect geometry)
{
    auto* frame = named(new QFrame(window), name);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setGeometry(geometry);
    return frame;
}

}  // namespace

QWidget* RowControls::valueControl() const
{
    return edit ? static_cast<QWidget*>(edit) : static_cast<QWidget*>(toggle);
}

QString RowControls::valueText() const
{
    return edit ? edit->text() : toggle->text();
}

QStringList layoutPictureNames()
{
    return QStringList{kNoSelectPicture, kBottomBanner, kBuildingFrame, kHeaderBanner, kMarkerPicture}
           + statusPictureNames();
}

MainLayout buildMainLayout(QWidget* window, PictureDecoder& pictures)
{
    MainLayout ui;

    // Created in stacking order, lowest first.
    ui.NoSelectImage = picture(window, QStringLiteral("NoSelectImage"), {363, 156, 478, 298});
    ui.Shape1 = line(window, QStringLiteral("Shape1"), {-2, 529, 980, 2});
    ui.Shape2 = line(window, QStringLiteral("Shape2"), {-2, 109, 980, 2});
    ui.Image1 = picture(window, QStringLiteral("Image1"), {-49, 537, 350, 35});
    ui.Beenden = button(window, QStringLiteral("Beenden"), QStringLiteral("Beenden"), {617, 538, 327, 33});
    ui.ModellTree = named(new ModelTree(window), QStringLiteral("ModellTree"));
    ui.ModellTree->setGeometry(6, 114, 275, 374);
    ui.Speichern = button(window, QStringLiteral("Speichern"), QStringLiteral("Speichern"), {295, 492, 649, 33});
    ui.Speichern->setEnabled(false);
    ui.CompleteReset =
        button(window, QStringLiteral("CompleteReset"), QStringLiteral("Gesamtreset"), {4, 492, 277, 33});
    ui.SingleElementReset =
        button(window, QStringLiteral("SingleElementReset"), QStringLiteral("Reset"), {627, 464, 317, 25});
    ui.SingleElementReset->setEnabled(false);
    ui.SingleElementReset->hide();

    ui.ElementMessage = named(new QLabel(window), QStringLiteral("ElementMessage"));
    ui.ElementMessage->setGeometry(295, 120, 640, 60);
    ui.ElementMessage->setWordWrap(true);
    ui.ElementMessage->setAlignment(Qt::AlignCenter);
    ui.ElementMessage->hide();

    ui.Panel1 = panel(window, QStringLiteral("Panel1"), {287, 114, 691, 148});
    ui.Panel2 = panel(window, QStringLiteral("Panel2"), {288, 263, 690, 225});

    heading(ui.Panel1, QStringLiteral("aktuell"), 142, -1);
    heading(ui.Panel1, QStringLiteral("original"), 243, 0);
    heading(ui.Panel1, QStringLiteral("aktuell"), 474, -1);
    heading(ui.Panel1, QStringLiteral("original"), 585, -1);
    ui.Shape3 = line(ui.Panel1, QStringLiteral("Shape3"), {321, -8, 2, 159});
    ui.Shape4 = line(ui.Panel2, QStringLiteral("Shape4"), {320, -11, 2, 236});

    for (const ValueRow& row : valueRows())
        ui.rows.append(buildRow(row, row.panel == RowPanel::Panel1 ? ui.Panel1 : ui.Panel2));
    for (const RowControls& controls : ui.rows) {
        if (nameOf(controls.row->editName) == QStringLiteral("BaukostenEdit")) {
            QPalette palette = controls.edit->palette();
            palette.setColor(QPalette::Base, palette.color(QPalette::Light));
            controls.edit->setPalette(palette);
        }
    }

    auto* header = new QFrame(window);
    header->setObjectName(QStringLiteral("Panel3"));
    header->setFrameStyle(QFrame::Panel | QFrame::Raised);
    header->setLineWidth(1);
    header->setGeometry(0, 0, 949, 106);
    ui.Panel3 = header;
    ui.Shape5 = line(header, QStringLiteral("Shape5"), {559, 31, 357, 44}, Shape::Frame);
    ui.ObjektnameLabel = named(new QLabel(header), QStringLiteral("ObjektnameLabel"));
    ui.ObjektnameLabel->setGeometry(560, 32, 355, 42);
    ui.ObjektnameLabel->setAlignment(Qt::AlignCenter);
    ui.ObjektnameLabel->setWordWrap(true);
    ui.ObjektnameLabel->setAutoFillBackground(true);
    QPalette white = ui.ObjektnameLabel->palette();
    white.setColor(QPalette::Window, Qt::white);
    ui.ObjektnameLabel->setPalette(white);
    ui.Image2 = picture(header, QStringLiteral("Image2"), {426, 7, 93, 93});
    ui.BuildingImage = picture(header, QStringLiteral("BuildingImage"), {436, 17, 73, 73});
    ui.Image3 = picture(header, QStringLiteral("Image3"), {6, 7, 329, 93});

    // The pictures last: they are decoded meanwhile.
    ui.NoSelectImage->setPixmap(pictures.picture(kNoSelectPicture, ui.NoSelectImage->size()));
    ui.Image1->setPixmap(pictures.picture(kBottomBanner, ui.Image1->size()));
    ui.Image2->setPixmap(pictures.picture(kBuildingFrame, ui.Image2->size()));
    ui.Image3->setPixmap(pictures.picture(kHeaderBanner, ui.Image3->size()));
    const QPixmap marker = pictures.picture(kMarkerPicture, QSize(25, 25));
    for (const RowControls& controls : ui.rows)
        controls.marker->setPixmap(marker);
    ui.images = loadImageLists(pictures);
    ui.ModellTree->setStatusIcons(ui.images.ChangeStatusImage);

    // The element reset lies over the bottom band of Panel2 and must stay clickable there.
    ui.SingleElementReset->stackUnder(header);

    // Tab order: the commands, then the numeric edits in reading order of the panels.
    static const char16_t* const kEditTabOrder[] = {
        u"BaukostenEdit",     u"SteuernEdit",         u"ArbeiterEdit",           u"BewohnerEdit",
        u"AttraktivitätEdit", u"ReichweiteEdit",      u"FeuergefahrEdit",        u"EinsturzgefahrEdit",
        u"RisikoverminderungEdit", u"FengShuiEdit",   u"RückentwicklungEdit",    u"WeiterentwicklungEdit",
        u"LebensmittelQualitätEdit",
    };
    QList<QWidget*> chain{ui.Beenden, ui.ModellTree, ui.Speichern, ui.CompleteReset, ui.SingleElementReset};
    for (const char16_t* name : kEditTabOrder) {
        for (const RowControls& controls : ui.rows) {
            if (controls.edit && nameOf(controls.row->editName) == QString::fromUtf16(name))
                chain.append(controls.edit);
        }
    }
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    return ui;
}
