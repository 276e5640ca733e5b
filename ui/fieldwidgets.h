#pragma once

// The controls that show the fields of the return. Each control shows one
// Field and keeps no value of its own: it reads the field, writes through the
// field's methods (so the change handlers run), and refreshes itself whenever
// the model reports a change of its field. Every write from a user action runs
// inside guarded(): a failing rule shows the error box and the control shows
// what the field holds afterwards.

#include "model/field.h"
#include "model/layout.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QRadioButton;

namespace vkt::ui {

// Common part: the field and the refresh on its changes.
class FieldControl {
public:
    // `self` is the control's own widget.
    FieldControl(Field &field, QWidget &self) : m_field(field), m_self(self) {}
    virtual ~FieldControl() = default;
    Field &field() const { return m_field; }
    // Shows what the field holds (value, enabled, visible). The control's own
    // change signals that this causes are not writes of the user.
    void refresh();
    // The model reports a change of the field.
    void fieldChangedNotice();

protected:
    // Shows the field's value; runs inside refresh().
    virtual void showValue() = 0;
    // Runs a write of the user; a refresh that the write causes is held back
    // until the write has returned, then the control refreshes once.
    template <class F>
    void userWrite(F &&write);

    Field &m_field;
    bool m_syncing = false; // the control is being set from the field

private:
    QWidget &m_self;
    bool m_writing = false; // a user write is running
};

// TEdit: one line of free text. The focus holder Edit11 takes no typed text.
class TextEdit : public QLineEdit, public FieldControl {
    Q_OBJECT
public:
    TextEdit(Field &field, QWidget *parent = nullptr);
    void showValue() override;

private:
    void onTextChanged(const QString &text);
};

// TPBNumEdit: a right-aligned amount held as its display text.
//  - typing accepts digits, the minus sign (toggles the sign in front), the
//    decimal separator and E; anything else is refused with a beep; the copy,
//    cut and paste keys pass;
//  - a digit typed into a lone "0" replaces it;
//  - after each key the text is regrouped when its thousands grouping differs
//    from that of its display form, the caret keeping its place among the digits;
//  - leaving the field brings the text into display form (Field::leave).
class NumEdit : public QLineEdit, public FieldControl {
    Q_OBJECT
public:
    NumEdit(Field &field, QWidget *parent = nullptr);
    void showValue() override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void onTextChanged(const QString &text);
    void regroup();
    void toggleSign();
    void setTextKeepingCaret(const QString &text);
};

// TDateTimePicker: the short date format of the regional settings, a drop-down
// calendar, the field's limits.
class DatePicker : public QDateEdit, public FieldControl {
    Q_OBJECT
public:
    DatePicker(Field &field, QWidget *parent = nullptr);
    void showValue() override;

private:
    void onDateChanged(const QDate &date);
};

// TLMDCheckBox: one tick box.
class TickBox : public QCheckBox, public FieldControl {
    Q_OBJECT
public:
    TickBox(Field &field, const QString &caption, QWidget *parent = nullptr);
    void showValue() override;
};

// A framed group of items (radio or tick), each a button with a wrapping text.
class ItemGroup : public QGroupBox, public FieldControl {
    Q_OBJECT
public:
    ItemGroup(Field &field, const QString &caption, QWidget *parent = nullptr);
    QAbstractButton *button(int item) const;
    int buttonCount() const { return int(m_buttons.size()); }
    // The amounts of sheet "H" stand in the runs of blanks of the item texts:
    // the widgets go, in order, into the gaps of the items, first item first.
    void placeInGaps(const QList<QWidget *> &widgets);
    // The font of the item texts (the group's own font is that of its caption).
    void setItemFont(const QFont &font);

protected:
    void build();
    void layoutItems();
    void resizeEvent(QResizeEvent *event) override;
    virtual QAbstractButton *makeButton(int item) = 0;
    QList<QAbstractButton *> m_buttons;
    QList<QWidget *> m_texts; // the wrapped text (or the sentence with its amounts)
    QList<QWidget *> m_rows;
};

// TLMDRadioGroup: a choice by the user runs the rule (Field::choose); a choice
// set by the program only moves the mark.
class RadioGroup : public ItemGroup {
    Q_OBJECT
public:
    RadioGroup(Field &field, const QString &caption, QWidget *parent = nullptr);
    void showValue() override;

protected:
    QAbstractButton *makeButton(int item) override;

private:
    QButtonGroup *m_group;
};

// TLMDCheckGroup: every tick changed by the user runs the rule (Field::setChecked).
class CheckGroup : public ItemGroup {
    Q_OBJECT
public:
    CheckGroup(Field &field, const QString &caption, QWidget *parent = nullptr);
    void showValue() override;

protected:
    QAbstractButton *makeButton(int item) override;
};

// The cells of a TAdvStringGrid for a table view: data rows and columns map to
// the field's cells (1, 1) and on; the fixed row and column are the headers.
class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    GridModel(Field &field, QObject *parent = nullptr);
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void reload();

private:
    Field &m_field;
};

// TAdvStringGrid: fixed caption row and row-number column, cells edited in
// place. With the focus, the wheel moves the current row.
class StringGrid : public QTableView, public FieldControl {
    Q_OBJECT
public:
    StringGrid(Field &field, const layout::GridLayout *look, QWidget *parent = nullptr);
    void showValue() override;
    // The wheel while the table has the focus: one row per notch.
    void wheelRows(int angleDelta);
    bool hasFocusWithin() const;

protected:
    void wheelEvent(QWheelEvent *event) override;

private:
    GridModel *m_model;
    int m_wheelRest = 0;
};

// A label that reports clicks (the texts of the group items).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

// Makes the control of a field; nullptr for a kind without one.
QWidget *createControl(Field &field, const layout::FieldLayout *look, QWidget *parent);
FieldControl *controlOf(QWidget *widget);

} // namespace vkt::ui
