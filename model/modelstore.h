#pragma once

#include "elementrecord.h"
#include "linelist.h"

#include <QString>

class Files;

// Building element, house element or neither, decided by a row's line index.
enum class ElementKind { Building, House, Neither };

// Rows below this line index are buildings, rows above it house levels.
constexpr int KindThreshold = 275;
ElementKind ElementKindOf(int lineIndex);

// Index of the first line that holds key (trimmed); a line whose name field,
// trimmed, equals the key wins over an earlier line that merely contains it.
// Returns the line count when no line matches or the key is empty.
int FindElementRow(const LineList& list, const QString& key);

// Index of the first line containing "H" followed by code, or the line count.
int FindPartnerRow(const LineList& list, int code);

// Deletes the line at index and inserts text there; other lines keep their index.
// An index outside the list changes nothing.
void ReplaceRow(LineList& list, int index, const QString& text);

// The game's model file in memory beside the embedded pristine copy, and the
// four records of the element being shown.
class ModelStore {
public:
    LineList CurrentModel;
    LineList PristineModel;
    ElementRecord BuildingFields;
    ElementRecord HouseFields;
    ElementRecord PristineBuildingFields;
    ElementRecord PristineHouseFields;
    QString ModelFilePath;

    // True while CurrentModel has the four section headers at lines 0, 6, 276
    // and 282; element stores refuse to run otherwise.
    bool LayoutIsSound() const;
    // German reason why the layout check fails, or empty text.
    QString LayoutProblem() const;

    // True when CurrentModel holds a row for the caption.
    bool ElementExists(const QString& caption) const;

    // Cuts the element's current and pristine rows into the four records. The
    // pristine row is the PristineModel line at the same index (empty text when
    // PristineModel is shorter). A building leaves the house records as they
    // were; row 275 (kind Neither) changes no record. A caption that
    // CurrentModel lacks gives Neither and empties all four records.
    ElementKind LoadElementRecords(const QString& caption, int code);
    // Cuts the element's pristine rows into BuildingFields / HouseFields; the
    // pristine records are not touched. A caption that PristineModel lacks
    // gives Neither and empties BuildingFields and HouseFields.
    ElementKind LoadPristineRecords(const QString& caption, int code);

    // Joins the records into the element's rows (Building: BuildingFields at
    // rowIndex; House: HouseFields at rowIndex and BuildingFields at
    // partnerIndex; Neither: no row), replaces them in CurrentModel and saves
    // the model file. Returns false and sets *error (German, naming the file)
    // and writes nothing when the layout check fails, when a row index lies
    // outside CurrentModel, when a row to be replaced holds text its 31 slots
    // would drop, when a slot holds a comma or a line break, or when writing
    // failed; CurrentModel is then unchanged.
    bool WriteElementRows(ElementKind kind, int rowIndex, int partnerIndex, Files& files, QString* error);

    // Writes PristineModel over the model file and refills CurrentModel with its
    // lines; CurrentModel keeps its encoding. Runs whatever the layout. Returns
    // false and sets *error when writing failed or PristineModel is empty;
    // file and CurrentModel are then unchanged.
    bool RestorePristineModel(Files& files, QString* error);
};
