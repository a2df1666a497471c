#pragma once

#include <QString>

#include <span>

// Where a row's value comes from for one kind of element.
struct SlotSource {
    enum Record { None, Building, House };
    Record record = None;  // None: the row is disabled and shows "0"
    int slot = -1;
};

enum class RowPanel { Panel1, Panel2 };
enum class RowKind { Number, Access };

// One value row of the two panels: its controls' names, caption, place,
// limits and the record slot it is bound to. The 27 rows differ only in these
// data; layout, display, store and comparison are all driven by this table.
struct ValueRow {
    const char16_t* caption;
    const char16_t* labelName;
    const char16_t* editName;    // numeric edit or access toggle
    const char16_t* buttonName;  // reset button
    const char16_t* markerName;
    const char16_t* stepperName;  // empty for access rows
    RowPanel panel;
    int column;  // 0 left, 1 right
    int line;    // 1-based row line within its column
    RowKind kind;
    int minimum = 0;
    int maximum = 100;
    int increment = 1;
    SlotSource forBuilding;  // building element (Panel2 rows: not shown)
    SlotSource forHouse;     // house level
};

// All 27 rows: the ten of Panel1, then the seventeen of Panel2.
std::span<const ValueRow> valueRows();

inline QString nameOf(const char16_t* text) { return QString::fromUtf16(text); }
