#include "modelstore.h"

#include "files.h"

#include <QDir>
#include <QStringMatcher>

#include <vector>

namespace {

struct SectionHeader {
    int line;
    const char* text;
};

// The element kind is decided by line index, so these lines must hold the
// headers for a store to put house values into house rows.
constexpr SectionHeader kSectionHeaders[] = {
    {0, "BUILDING MODS"},
    {6, "ALL BUILDINGS"},
    {276, "HOUSE MODS"},
    {282, "ALL HOUSES"},
};

// The name of a model row: a house row has its brace in the second field and
// its name in the first; building rows carry their row number first.
QString nameField(const QString& line)
{
    const qsizetype firstComma = line.indexOf(u',');
    if (firstComma < 0)
        return QString();
    const qsizetype secondComma = line.indexOf(u',', firstComma + 1);
    const QString second = line.sliced(firstComma + 1, (secondComma < 0 ? line.size() : secondComma) - firstComma - 1);
    if (TrimText(second) == QLatin1String("{"))
        return TrimText(line.first(firstComma));
    return TrimText(second);
}

QString fileNameForMessage(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

// A slot holding a comma or a line break would shift the fields of the row or
// split it into two lines when the file is read again.
bool slotsAreWritable(const ElementRecord& record, QString* badSlot)
{
    for (const QString& slot : record.slot) {
        if (slot.contains(u',') || slot.contains(u'\r') || slot.contains(u'\n')) {
            *badSlot = slot;
            return false;
        }
    }
    return true;
}

}  // namespace

ElementKind ElementKindOf(int lineIndex)
{
    if (lineIndex < KindThreshold)
        return ElementKind::Building;
    if (lineIndex > KindThreshold)
        return ElementKind::House;
    return ElementKind::Neither;
}

int FindElementRow(const LineList& list, const QString& key)
{
    const QString wanted = TrimText(key);
    const int count = list.count();
    if (wanted.isEmpty())
        return count;
    // Containment alone would give "Brücke" the earlier "Teich mit Brücke";
    // a row of that very name wins, containment is the fallback that lets
    // "Katapult" reach "Katapult Fort".
    const QStringMatcher matcher(wanted, Qt::CaseSensitive);
    int firstContaining = count;
    for (int index = 0; index < count; ++index) {
        const QString& line = list.at(index);
        if (matcher.indexIn(line) < 0)
            continue;
        if (nameField(line) == wanted)
            return index;
        if (firstContaining == count)
            firstContaining = index;
    }
    return firstContaining;
}

int FindPartnerRow(const LineList& list, int code)
{
    const QStringMatcher matcher(QStringLiteral("H%1").arg(code), Qt::CaseSensitive);
    const int count = list.count();
    for (int index = 0; index < count; ++index) {
        if (matcher.indexIn(list.at(index)) >= 0)
            return index;
    }
    return count;
}

void ReplaceRow(LineList& list, int index, const QString& text)
{
    if (index >= 0 && index < list.count())
        list.replace(index, text);
}

bool ModelStore::LayoutIsSound() const
{
    return LayoutProblem().isEmpty();
}

QString ModelStore::LayoutProblem() const
{
    for (const SectionHeader& header : kSectionHeaders) {
        const QString expected = QString::fromLatin1(header.text);
        if (header.line >= CurrentModel.count()) {
            return QStringLiteral("Die Modelldatei \"%1\" hat nicht den erwarteten Aufbau: Sie hat nur %2 Zeilen, "
                                  "in Zeile %3 müsste \"%4\" stehen.")
                .arg(fileNameForMessage(ModelFilePath), QString::number(CurrentModel.count()),
                     QString::number(header.line + 1), expected);
        }
        if (TrimText(CurrentModel.at(header.line)) != expected) {
            return QStringLiteral("Die Modelldatei \"%1\" hat nicht den erwarteten Aufbau: In Zeile %2 müsste \"%3\" "
                                  "stehen.")
                .arg(fileNameForMessage(ModelFilePath), QString::number(header.line + 1), expected);
        }
    }
    return QString();
}

bool ModelStore::ElementExists(const QString& caption) const
{
    return FindElementRow(CurrentModel, caption) < CurrentModel.count();
}

ElementKind ModelStore::LoadElementRecords(const QString& caption, int code)
{
    const int rowIndex = FindElementRow(CurrentModel, caption);
    if (rowIndex >= CurrentModel.count()) {
        // The model file lacks the element: show it empty rather than stale.
        BuildingFields = HouseFields = PristineBuildingFields = PristineHouseFields = ElementRecord();
        return ElementKind::Neither;
    }
    const QString& row = CurrentModel.at(rowIndex);
    // The pristine row is the one at the same index; a longer model file has
    // rows the pristine copy lacks, and those compare against empty slots.
    const QString pristineRow = PristineModel.value(rowIndex);
    const ElementKind kind = ElementKindOf(rowIndex);
    switch (kind) {
    case ElementKind::Building:
        BuildingFields = SplitRow(row);
        PristineBuildingFields = SplitRow(pristineRow);
        break;
    case ElementKind::House: {
        QString rest;
        QString pristineRest;
        HouseFields = SplitRow(row, &rest);
        PristineHouseFields = SplitRow(pristineRow, &pristineRest);
        const int partnerIndex = FindPartnerRow(CurrentModel, code);
        BuildingFields = SplitRow(partnerIndex < CurrentModel.count() ? CurrentModel.at(partnerIndex) : rest);
        const int pristinePartnerIndex = FindPartnerRow(PristineModel, code);
        PristineBuildingFields = SplitRow(
            pristinePartnerIndex < PristineModel.count() ? PristineModel.at(pristinePartnerIndex) : pristineRest);
        break;
    }
    case ElementKind::Neither:
        break;
    }
    return kind;
}

ElementKind ModelStore::LoadPristineRecords(const QString& caption, int code)
{
    const int rowIndex = FindElementRow(PristineModel, caption);
    if (rowIndex >= PristineModel.count()) {
        BuildingFields = HouseFields = ElementRecord();
        return ElementKind::Neither;
    }
    const QString& row = PristineModel.at(rowIndex);
    const ElementKind kind = ElementKindOf(rowIndex);
    switch (kind) {
    case ElementKind::Building:
        BuildingFields = SplitRow(row);
        break;
    case ElementKind::House: {
        QString rest;
        HouseFields = SplitRow(row, &rest);
        const int partnerIndex = FindPartnerRow(PristineModel, code);
        BuildingFields = SplitRow(partnerIndex < PristineModel.count() ? PristineModel.at(partnerIndex) : rest);
        break;
    }
    case ElementKind::Neither:
        break;
    }
    return kind;
}

bool ModelStore::WriteElementRows(ElementKind kind, int rowIndex, int partnerIndex, Files& files, QString* error)
{
    const QString fileName = fileNameForMessage(ModelFilePath);
    if (!LayoutIsSound())
        return fail(error, LayoutProblem() + QStringLiteral(" Es wurde nichts gespeichert."));

    struct Replacement {
        int index;
        const ElementRecord* record;
        const char* missingText;
    };
    std::vector<Replacement> replacements;
    if (kind == ElementKind::Building) {
        replacements.push_back({rowIndex, &BuildingFields, "Die Zeile des Gebäudes fehlt in der Modelldatei \"%1\"."});
    } else if (kind == ElementKind::House) {
        replacements.push_back({rowIndex, &HouseFields, "Die Zeile der Hausstufe fehlt in der Modelldatei \"%1\"."});
        replacements.push_back({partnerIndex, &BuildingFields,
                                "Die Gebäudezeile der Hausstufe fehlt in der Modelldatei \"%1\"."});
    }

    for (const Replacement& replacement : replacements) {
        if (replacement.index < 0 || replacement.index >= CurrentModel.count())
            return fail(error, QString::fromUtf8(replacement.missingText).arg(fileName) +
                                   QStringLiteral(" Es wurde nichts gespeichert."));
        if (!RowFitsRecord(CurrentModel.at(replacement.index))) {
            return fail(error, QStringLiteral("Zeile %1 der Modelldatei \"%2\" enthält mehr Felder, als der Editor "
                                              "verwalten kann; beim Speichern gingen sie verloren. Es wurde nichts "
                                              "gespeichert.")
                                   .arg(QString::number(replacement.index + 1), fileName));
        }
        QString badSlot;
        if (!slotsAreWritable(*replacement.record, &badSlot)) {
            return fail(error, QStringLiteral("Der Wert \"%1\" enthält ein Komma oder einen Zeilenumbruch und kann "
                                              "nicht in die Modelldatei \"%2\" geschrieben werden. Es wurde nichts "
                                              "gespeichert.")
                                   .arg(TrimText(badSlot), fileName));
        }
    }

    // Memory and file stay in step: a failed write takes the rows back.
    const LineList before = CurrentModel;
    for (const Replacement& replacement : replacements)
        ReplaceRow(CurrentModel, replacement.index, JoinRow(*replacement.record));
    if (!CurrentModel.writeFile(files, ModelFilePath, error)) {
        CurrentModel = before;
        return false;
    }
    return true;
}

bool ModelStore::RestorePristineModel(Files& files, QString* error)
{
    // An empty pristine copy would wipe the game's model file.
    if (PristineModel.isEmpty())
        return fail(error, QStringLiteral("Die eingebettete Modelldatei ist leer; die Modelldatei \"%1\" wurde "
                                          "nicht zurückgesetzt.")
                               .arg(fileNameForMessage(ModelFilePath)));
    if (!PristineModel.writeFile(files, ModelFilePath, error))
        return false;
    CurrentModel.setLines(PristineModel.lines());
    return true;
}
