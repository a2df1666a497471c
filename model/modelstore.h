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

    // Cuts the element's current and pristine rows into the four records.
    ElementKind LoadElementRecords(const QString& caption, int code);
    // Cuts the element's pristine rows into BuildingFields / HouseFields.
    ElementKind LoadPristineRecords(const QString& caption, int code);

    // Joins the records into the element's rows, replaces them in CurrentModel
    // and saves the model file. Returns false and sets *error (German) when the
    // layout check fails, when a row holds text the 31 slots would drop, or when
    // writing failed; CurrentModel is then unchanged.
    bool WriteElementRows(ElementKind kind, int rowIndex, int partnerIndex, Files& files, QString* error);

    // Writes PristineModel over the model file and refills CurrentModel.
    // Returns false and sets *error when writing failed; CurrentModel is then unchanged.
    bool RestorePristineModel(Files& files, QString* error);
};
