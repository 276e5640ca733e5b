#pragma once

#include "field.h"

#include <QDate>
#include <QStringList>
#include <span>

namespace vkt {

// One field of the form description: what the model is created from.
struct FieldSpec {
    int order;               // component order, 1..108
    const char *name;        // control name
    FieldKind kind;
    const char *container;   // section panel, tab sheet or group box
    const char *handler;     // change handler name, "" for none
    bool enabled;            // at start, after the start-up sequence
    bool visible;
    // Start values by kind:
    const char *text;        // TEdit start text ("" or "Edit11"); TPBNumEdit starts "0"
    int itemIndex;           // TLMDRadioGroup start index (-1 none)
    QDate date, minDate, maxDate; // TDateTimePicker (null limit: none)
    QStringList items;       // radio and check group items
    int columns;             // radio group columns
    int columnCount, rowCount; // TAdvStringGrid, fixed row and column included
};

// The 108 fields in component order.
std::span<const FieldSpec> fieldCatalogue();

struct ElementSpec {
    const char *name;
    bool enabled;
    bool visible;
};
// egyszvaluzenet, LMDRichLabel17, GroupBox1, GroupBox2, GroupBox3 at start.
std::span<const ElementSpec> elementCatalogue();

// The group box of sheet "E" that contains the field, or "" when none.
// (Same as FieldSpec::container for the fields inside the boxes.)

} // namespace vkt
