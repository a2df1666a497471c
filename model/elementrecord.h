#pragma once

#include <QString>

#include <array>

// The 31 comma-terminated fields of one model row, as text.
struct ElementRecord {
    static constexpr int kSlotCount = 31;
    std::array<QString, kSlotCount> slot;

    friend bool operator==(const ElementRecord&, const ElementRecord&) = default;
};

// Removes leading and trailing characters whose code is 32 or less.
QString TrimText(const QString& text);

// Cuts a row into 31 slots; slot k is the k-th comma-terminated field. After the
// first comma every cut keeps at most 150 characters of the remainder. When
// remainder is not null it receives what is left after the 31st cut.
ElementRecord SplitRow(const QString& row, QString* remainder = nullptr);

// True when SplitRow keeps every field of row that holds more than blanks:
// no such field lies past slot 30, past a 150-character cut, or after the
// row's last comma. Shipped and rewritten model rows always fit.
bool RowFitsRecord(const QString& row);

// Each slot trimmed and followed by ",": exactly 31 commas.
QString JoinRow(const ElementRecord& record);
