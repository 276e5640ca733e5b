#include "field.h"

#include "catalogue.h"
#include "error.h"
#include "returnmodel.h"

#include <algorithm>

namespace vkt {

QString kindName(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Edit: return QStringLiteral("TEdit");
    case FieldKind::NumEdit: return QStringLiteral("TPBNumEdit");
    case FieldKind::DateTimePicker: return QStringLiteral("TDateTimePicker");
    case FieldKind::RadioGroup: return QStringLiteral("TLMDRadioGroup");
    case FieldKind::CheckGroup: return QStringLiteral("TLMDCheckGroup");
    case FieldKind::CheckBox: return QStringLiteral("TLMDCheckBox");
    case FieldKind::StringGrid: return QStringLiteral("TAdvStringGrid");
    }
    return {};
}

Field::Field(ReturnModel &model, const FieldSpec &def)
    : m_model(model)
    , m_name(QString::fromLatin1(def.name))
    , m_kind(def.kind)
    , m_order(def.order)
    , m_container(QString::fromLatin1(def.container))
    , m_handler(QString::fromLatin1(def.handler))
    , m_enabled(def.enabled)
    , m_visible(def.visible)
{
    switch (m_kind) {
    case FieldKind::Edit:
        m_text = QString::fromUtf8(def.text);
        break;
    case FieldKind::NumEdit:
        m_text = QStringLiteral("0");
        break;
    case FieldKind::DateTimePicker:
        m_date = def.date;
        m_minDate = def.minDate;
        m_maxDate = def.maxDate;
        break;
    case FieldKind::RadioGroup:
        m_items = def.items;
        m_columns = std::max(1, def.columns);
        m_itemIndex = std::clamp(def.itemIndex, -1, int(m_items.size()) - 1);
        break;
    case FieldKind::CheckGroup:
        m_items = def.items;
        m_checks.assign(size_t(m_items.size()), false);
        break;
    case FieldKind::CheckBox:
        break;
    case FieldKind::StringGrid:
        m_columnCount = def.columnCount;
        m_rowCount = def.rowCount;
        m_cells.assign(size_t(m_columnCount * m_rowCount), QString());
        // Fixed row 0: the column captions; fixed column 0: the row numbers.
        for (int c = 1; c < m_columnCount && c < def.items.size(); ++c)
            m_cells[size_t(c * m_rowCount)] = def.items[c];
        for (int r = 1; r < m_rowCount; ++r)
            m_cells[size_t(r)] = QString::number(r);
        m_items = def.items;
        break;
    }
}

void Field::changed()
{
    emit m_model.fieldChanged(this);
}

void Field::runHandler()
{
    if (!m_handler.isEmpty())
        m_model.runHandler(m_handler, *this);
}

void Field::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    changed();
}

void Field::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    changed();
}

bool Field::isEditable() const
{
    if (!m_enabled || !m_visible)
        return false;
    if (const DisplayElement *box = m_model.findElement(m_container))
        return box->isEnabled();
    return true;
}

bool Field::isFocusHolder() const
{
    return m_order == 1;
}

void Field::setText(const QString &text)
{
    Q_ASSERT(m_kind == FieldKind::Edit || m_kind == FieldKind::NumEdit);
    if (m_text == text)
        return;
    m_text = text;
    changed();
    if (m_kind == FieldKind::NumEdit)
        runHandler();
}

Amount Field::value() const
{
    Q_ASSERT(m_kind == FieldKind::NumEdit);
    return numeric::read(m_text, m_model.regional());
}

std::int64_t Field::truncatedValue() const
{
    Q_ASSERT(m_kind == FieldKind::NumEdit);
    return numeric::readTruncated(m_text, m_model.regional());
}

void Field::setValue(Amount value)
{
    Q_ASSERT(m_kind == FieldKind::NumEdit);
    setText(numeric::displayForm(value, m_model.regional()));
}

void Field::leave()
{
    if (m_kind == FieldKind::NumEdit)
        setValue(value());
}

// --- TDateTimePicker ---

void Field::setDate(const QDate &date)
{
    Q_ASSERT(m_kind == FieldKind::DateTimePicker);
    if (!date.isValid())
        return;
    QDate d = date;
    if (m_minDate.isValid() && d < m_minDate)
        d = m_minDate;
    if (m_maxDate.isValid() && d > m_maxDate)
        d = m_maxDate;
    if (d == m_date)
        return;
    m_date = d;
    changed();
}

void Field::setMinDate(const QDate &date)
{
    Q_ASSERT(m_kind == FieldKind::DateTimePicker);
    if (date.isValid() && m_maxDate.isValid() && date > m_maxDate)
        throw Error(QStringLiteral("Date exceeds maximum of %1")
                        .arg(m_model.regional().formatDate(m_maxDate)));
    const bool limitChanged = date != m_minDate;
    m_minDate = date;
    if (m_minDate.isValid() && m_date < m_minDate)
        m_date = m_minDate;
    else if (!limitChanged)
        return;
    changed();
}

void Field::setMaxDate(const QDate &date)
{
    Q_ASSERT(m_kind == FieldKind::DateTimePicker);
    if (date.isValid() && m_minDate.isValid() && date < m_minDate)
        throw Error(QStringLiteral("Date is less than minimum of %1")
                        .arg(m_model.regional().formatDate(m_minDate)));
    const bool limitChanged = date != m_maxDate;
    m_maxDate = date;
    if (m_maxDate.isValid() && m_date > m_maxDate)
        m_date = m_maxDate;
    else if (!limitChanged)
        return;
    changed();
}

// --- TLMDRadioGroup ---

void Field::setItemIndex(int index)
{
    Q_ASSERT(m_kind == FieldKind::RadioGroup);
    index = std::clamp(index, -1, itemCount() - 1);
    if (index == m_itemIndex)
        return;
    m_itemIndex = index;
    changed();
}

bool Field::choose(int index)
{
    Q_ASSERT(m_kind == FieldKind::RadioGroup);
    index = std::clamp(index, -1, itemCount() - 1);
    if (index == m_itemIndex || index < 0)
        return false;
    m_itemIndex = index;
    changed();
    runHandler(); // OnClick, then OnChange: each group has one of them
    return true;
}

// --- TLMDCheckGroup ---

bool Field::isChecked(int item) const
{
    Q_ASSERT(m_kind == FieldKind::CheckGroup);
    return item >= 0 && size_t(item) < m_checks.size() && m_checks[size_t(item)];
}

void Field::setChecked(int item, bool checked)
{
    Q_ASSERT(m_kind == FieldKind::CheckGroup);
    if (item < 0 || size_t(item) >= m_checks.size() || m_checks[size_t(item)] == checked)
        return;
    m_checks[size_t(item)] = checked;
    changed();
    runHandler();
}

int Field::checkValue() const
{
    Q_ASSERT(m_kind == FieldKind::CheckGroup);
    int value = 0;
    for (size_t i = 0; i < m_checks.size(); ++i)
        if (m_checks[i])
            value |= 1 << i;
    return value;
}

// --- TLMDCheckBox ---

void Field::setChecked(bool checked)
{
    Q_ASSERT(m_kind == FieldKind::CheckBox);
    if (m_checked == checked)
        return;
    m_checked = checked;
    changed();
}

// --- TAdvStringGrid ---

QString Field::cell(int column, int row) const
{
    Q_ASSERT(m_kind == FieldKind::StringGrid);
    if (column < 0 || column >= m_columnCount || row < 0 || row >= m_rowCount)
        return {};
    return m_cells[size_t(column * m_rowCount + row)];
}

void Field::setCell(int column, int row, const QString &text)
{
    Q_ASSERT(m_kind == FieldKind::StringGrid);
    if (column < 0 || column >= m_columnCount || row < 0 || row >= m_rowCount)
        return;
    QString &cell = m_cells[size_t(column * m_rowCount + row)];
    if (cell == text)
        return;
    cell = text;
    changed();
}

// --- DisplayElement ---

DisplayElement::DisplayElement(ReturnModel &model, QString name, bool enabled, bool visible)
    : m_model(model), m_name(std::move(name)), m_enabled(enabled), m_visible(visible)
{
}

void DisplayElement::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    emit m_model.elementChanged(this);
}

void DisplayElement::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    emit m_model.elementChanged(this);
}

} // namespace vkt
