#pragma once

#include "numeric.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace vkt {

class ReturnModel;
struct FieldSpec;

// The seven kinds of input field, named after the controls that show them.
enum class FieldKind {
    Edit,           // TEdit: one line of text
    NumEdit,        // TPBNumEdit: a number held as its grouped display text
    DateTimePicker, // TDateTimePicker: a date with limits
    RadioGroup,     // TLMDRadioGroup: chosen item, -1 for none
    CheckGroup,     // TLMDCheckGroup: one tick per item
    CheckBox,       // TLMDCheckBox: one tick
    StringGrid,     // TAdvStringGrid: text cells by (column, row)
};

// "TEdit", "TPBNumEdit", "TDateTimePicker", "TLMDRadioGroup",
// "TLMDCheckGroup", "TLMDCheckBox", "TAdvStringGrid".
QString kindName(FieldKind kind);

// One input field of the return. Its value lives here and nowhere else: the
// widgets show it and write it through these methods. Every write that
// changes something notifies the model (ReturnModel::fieldChanged), and the
// writes named below run the field's change handler synchronously, before the
// write returns, so rules nest.
//
// Calling a method of another kind is a programming error (asserted).
class Field {
public:
    Field(ReturnModel &model, const FieldSpec &def);
    Field(const Field &) = delete;
    Field &operator=(const Field &) = delete;

    const QString &name() const { return m_name; }
    FieldKind kind() const { return m_kind; }
    int order() const { return m_order; }                // 1-based component order
    const QString &container() const { return m_container; }
    const QString &handlerName() const { return m_handler; } // empty: none
    ReturnModel &model() const { return m_model; }

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    // Whether a person can change the field: enabled, visible and not inside a
    // disabled group box. The focus holder Edit11 takes no typed text either.
    bool isEditable() const;
    // The focus holder Edit11: a field like the others, but its widget takes
    // no typed text.
    bool isFocusHolder() const;

    // --- TEdit and TPBNumEdit ---
    const QString &text() const { return m_text; }
    // The text is taken unchanged; a TPBNumEdit runs its handler if it differs.
    void setText(const QString &text);

    // --- TPBNumEdit ---
    Amount value() const;                 // throws Error (conversion)
    std::int64_t truncatedValue() const;  // toward zero; throws Error
    // Writes the display form; when it differs from the text, replaces the
    // text and runs the handler. Writing the value shown does nothing.
    void setValue(Amount value);
    // The field loses the focus: its text becomes the display form of its
    // own number (throws Error when the text is no number).
    void leave();

    // --- TDateTimePicker --- (a null QDate limit means none)
    QDate date() const { return m_date; }
    void setDate(const QDate &date);      // clamped onto the limits
    QDate minDate() const { return m_minDate; }
    QDate maxDate() const { return m_maxDate; }
    // Setting a limit moves a date outside it onto the limit. A minimum later
    // than the maximum (or a maximum earlier than the minimum) is refused
    // with an Error.
    void setMinDate(const QDate &date);
    void setMaxDate(const QDate &date);

    // --- TLMDRadioGroup and TLMDCheckGroup ---
    const QStringList &items() const { return m_items; }
    int itemCount() const { return int(m_items.size()); }
    int columns() const { return m_columns; }

    // --- TLMDRadioGroup ---
    int itemIndex() const { return m_itemIndex; }
    // A program write: clamped into -1 .. count-1, runs no handler.
    void setItemIndex(int index);
    // A person moves the choice: when it changes, the index is set and the
    // handler (OnClick / OnChange) runs. Returns whether the choice changed.
    bool choose(int index);

    // --- TLMDCheckGroup ---
    bool isChecked(int item) const;
    // By a person or the program alike: a change of the tick runs OnClick.
    void setChecked(int item, bool checked);
    int checkValue() const; // sum of 2^i over ticked items

    // --- TLMDCheckBox ---
    bool isChecked() const { return m_checked; }
    void setChecked(bool checked); // no handler

    // --- TAdvStringGrid --- (column 0 and row 0 are the fixed captions)
    int columnCount() const { return m_columnCount; }
    int rowCount() const { return m_rowCount; }
    QString cell(int column, int row) const;   // empty outside the grid
    void setCell(int column, int row, const QString &text); // ignored outside

private:
    void changed();
    void runHandler();

    ReturnModel &m_model;
    QString m_name;
    FieldKind m_kind;
    int m_order;
    QString m_container;
    QString m_handler;
    bool m_enabled;
    bool m_visible;

    QString m_text;
    QDate m_date, m_minDate, m_maxDate;
    QStringList m_items;
    int m_columns = 1;
    int m_itemIndex = -1;
    std::vector<bool> m_checks;
    bool m_checked = false;
    int m_columnCount = 0, m_rowCount = 0;
    std::vector<QString> m_cells; // column-major: column * rowCount + row
};

// One of the five display elements whose state the rules set
// (egyszvaluzenet, LMDRichLabel17, GroupBox1, GroupBox2, GroupBox3).
class DisplayElement {
public:
    DisplayElement(ReturnModel &model, QString name, bool enabled, bool visible);
    const QString &name() const { return m_name; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);

private:
    ReturnModel &m_model;
    QString m_name;
    bool m_enabled;
    bool m_visible;
};

} // namespace vkt
