#include "ui/fieldwidgets.h"

#include "model/numeric.h"
#include "model/returnmodel.h"
#include "ui/errorbox.h"
#include "ui/flowlayout.h"
#include "ui/style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace vkt::ui {

// ---------------------------------------------------------------- FieldControl

template <class F>
void FieldControl::userWrite(F &&write)
{
    const bool outer = !m_writing;
    m_writing = true;
    guarded(&m_self, std::forward<F>(write));
    if (outer) {
        m_writing = false;
        refresh();
    }
}

void FieldControl::fieldChangedNotice()
{
    if (!m_writing)
        refresh();
}

void FieldControl::refresh()
{
    const QScopedValueRollback syncing(m_syncing, true);
    showValue();
    if (m_self.isEnabled() != m_field.isEnabled())
        m_self.setEnabled(m_field.isEnabled());
    if (m_self.isHidden() == m_field.isVisible())
        m_self.setHidden(!m_field.isVisible());
}

namespace {

template <class W>
void bind(W *control, Field &field)
{
    QObject::connect(&field.model(), &ReturnModel::fieldChanged, control, [control, &field](Field *changed) {
        if (changed == &field)
            control->fieldChangedNotice();
    });
}

bool isSeparator(QChar c, const RegionalSettings &regional)
{
    return c == regional.thousandsSeparator;
}

// The number of characters other than thousands separators from pos to the end.
int charsRightOf(const QString &text, int pos, const RegionalSettings &regional)
{
    int n = 0;
    for (int i = std::clamp(pos, 0, int(text.size())); i < text.size(); ++i)
        if (!isSeparator(text[i], regional))
            ++n;
    return n;
}

// The caret position with n characters other than separators to its right.
int positionWithCharsRight(const QString &text, int n, const RegionalSettings &regional)
{
    int count = 0;
    int pos = int(text.size());
    while (pos > 0 && count < n) {
        --pos;
        if (!isSeparator(text[pos], regional))
            ++count;
    }
    // Stay in front of any separator that the caret reached.
    return pos;
}

// The thousands grouping of a text: the lengths of the digit groups of its
// integer part (the sign ignored).
QList<int> groupingOf(const QString &text, const RegionalSettings &regional)
{
    QList<int> groups;
    int i = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    int run = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isSeparator(c, regional)) {
            groups.append(run);
            run = 0;
        } else if (c.isDigit()) {
            ++run;
        } else {
            break;
        }
    }
    groups.append(run);
    return groups;
}

// The text with every run of blanks made one blank, and no blanks at the ends.
QString singleSpaced(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char(' ') && (out.isEmpty() || out.back() == QLatin1Char(' ')))
            continue;
        out.append(c);
    }
    if (out.endsWith(QLatin1Char(' ')))
        out.chop(1);
    return out;
}

// The pieces of an item text between its gaps (runs of ten or more blanks).
QStringList splitAtGaps(const QString &text)
{
    QStringList pieces;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] != QLatin1Char(' ')) {
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < text.size() && text[j] == QLatin1Char(' '))
            ++j;
        if (j - i >= 10) {
            pieces.append(text.mid(start, i - start));
            start = j;
        }
        i = j;
    }
    pieces.append(text.mid(start));
    return pieces;
}

} // namespace

// ---------------------------------------------------------------- TextEdit

TextEdit::TextEdit(Field &field, QWidget *parent) : QLineEdit(parent), FieldControl(field, *this)
{
    setObjectName(field.name());
    if (field.name().compare(u"Edit11", Qt::CaseInsensitive) == 0)
        setReadOnly(true); // the focus holder takes no typed text
    refresh();
    connect(this, &QLineEdit::textChanged, this, &TextEdit::onTextChanged);
    bind(this, field);
}

void TextEdit::showValue()
{
    if (text() != m_field.text()) {
        const int pos = cursorPosition();
        setText(m_field.text());
        setCursorPosition(std::min(pos, int(text().size())));
    }
}

void TextEdit::onTextChanged(const QString &text)
{
    if (m_syncing)
        return;
    userWrite([&] { m_field.setText(text); });
}

// ---------------------------------------------------------------- NumEdit

NumEdit::NumEdit(Field &field, QWidget *parent) : QLineEdit(parent), FieldControl(field, *this)
{
    setObjectName(field.name());
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A disabled amount shows grey on the button face, like the derived rows.
    QPalette pal = palette();
    pal.setColor(QPalette::Disabled, QPalette::Base, buttonFace());
    pal.setColor(QPalette::Disabled, QPalette::Window, buttonFace());
    pal.setColor(QPalette::Disabled, QPalette::Text, QColor(0x6D, 0x6D, 0x6D));
    setPalette(pal);
    refresh();
    connect(this, &QLineEdit::textChanged, this, &NumEdit::onTextChanged);
    bind(this, field);
}

void NumEdit::showValue()
{
    if (text() != m_field.text())
        setTextKeepingCaret(m_field.text());
}

void NumEdit::setTextKeepingCaret(const QString &newText)
{
    const RegionalSettings &regional = m_field.model().regional();
    const int right = charsRightOf(text(), cursorPosition(), regional);
    setText(newText);
    setCursorPosition(positionWithCharsRight(newText, right, regional));
}

void NumEdit::onTextChanged(const QString &text)
{
    if (m_syncing)
        return;
    userWrite([&] { m_field.setText(text); });
}

void NumEdit::keyPressEvent(QKeyEvent *event)
{
    if (isReadOnly() || !m_field.isEditable()) {
        // Navigation and copy only; nothing is typed.
        if (event->matches(QKeySequence::Copy) || event->text().isEmpty())
            QLineEdit::keyPressEvent(event);
        else
            event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::Paste) || event->matches(QKeySequence::SelectAll)
        || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString typed = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier);
    if (typed.isEmpty() || command || typed.at(0).unicode() < 0x20 || typed.at(0).unicode() == 0x7F) {
        // Editing and moving keys (Backspace, Delete, arrows, Home, End, Tab ...).
        QLineEdit::keyPressEvent(event);
        return;
    }
    const RegionalSettings &regional = m_field.model().regional();
    const QChar c = typed.at(0);
    event->accept();
    if (c.isDigit() && c.unicode() < 0x80) {
        if (text() == QLatin1String("0"))
            setText(QString(c)); // a digit replaces a lone 0
        else
            insert(QString(c));
    } else if (c == QLatin1Char('-') || c == QChar(0x2212)) {
        toggleSign();
    } else if (c == regional.decimalSeparator
               || ((event->modifiers() & Qt::KeypadModifier)
                   && (c == QLatin1Char('.') || c == QLatin1Char(',')))) {
        insert(QString(regional.decimalSeparator));
    } else if (c == QLatin1Char('e') || c == QLatin1Char('E')) {
        insert(QStringLiteral("E"));
    } else {
        QApplication::beep();
    }
}

void NumEdit::toggleSign()
{
    QString t = text();
    int pos = cursorPosition();
    if (t.startsWith(QLatin1Char('-'))) {
        t.remove(0, 1);
        pos = std::max(0, pos - 1);
    } else {
        t.prepend(QLatin1Char('-'));
        pos += 1;
    }
    setText(t);
    setCursorPosition(std::min(pos, int(text().size())));
}

void NumEdit::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (isEnabled() && !isReadOnly() && m_field.isEditable())
        regroup();
}

void NumEdit::regroup()
{
    const RegionalSettings &regional = m_field.model().regional();
    const QString current = text();
    QString display;
    try {
        display = numeric::displayForm(numeric::read(current, regional), regional);
    } catch (const Error &) {
        return; // not a number yet (a lone E): the field keeps what was typed
    }
    if (groupingOf(current, regional) == groupingOf(display, regional))
        return;
    setTextKeepingCaret(display);
}

void NumEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // Only a move of the focus to another control of the window leaves the
    // field; a menu, a dialog or another window taking over does not.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    userWrite([&] { m_field.leave(); });
}

// ---------------------------------------------------------------- DatePicker

DatePicker::DatePicker(Field &field, QWidget *parent) : QDateEdit(parent), FieldControl(field, *this)
{
    setObjectName(field.name());
    setCalendarPopup(true);
    setDisplayFormat(field.model().regional().shortDateFormat);
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    refresh();
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::onDateChanged);
    bind(this, field);
}

void DatePicker::showValue()
{
    const QDate lowest(1752, 9, 14);
    const QDate highest(9999, 12, 31);
    const QDate lo = m_field.minDate().isValid() ? m_field.minDate() : lowest;
    const QDate hi = m_field.maxDate().isValid() ? m_field.maxDate() : highest;
    if (minimumDate() != lo || maximumDate() != hi)
        setDateRange(lo, hi);
    if (date() != m_field.date())
        setDate(m_field.date());
}

void DatePicker::onDateChanged(const QDate &date)
{
    if (m_syncing)
        return;
    userWrite([&] { m_field.setDate(date); });
}

// ---------------------------------------------------------------- TickBox

TickBox::TickBox(Field &field, const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent), FieldControl(field, *this)
{
    setObjectName(field.name());
    setAccessibleName(caption.simplified());
    refresh();
    connect(this, &QCheckBox::clicked, this, [this](bool on) {
        userWrite([&] { m_field.setChecked(on); });
    });
    bind(this, field);
}

void TickBox::showValue()
{
    if (isChecked() != m_field.isChecked())
        setChecked(m_field.isChecked());
}

// ---------------------------------------------------------------- ItemGroup

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    if (isEnabled())
        emit clicked();
}

ItemGroup::ItemGroup(Field &field, const QString &caption, QWidget *parent)
    : QGroupBox(caption, parent), FieldControl(field, *this)
{
    setObjectName(field.name());
    setAccessibleName(caption.isEmpty() ? field.name() : caption);
}

void ItemGroup::build()
{
    // Items are placed by hand (layoutItems): the groups hold many wrapping
    // texts, and the layout engine would measure each of them many times.
    const int n = m_field.itemCount();
    for (int i = 0; i < n; ++i) {
        auto *row = new QWidget(this);
        QAbstractButton *button = makeButton(i);
        button->setParent(row);
        button->setAccessibleName(singleSpaced(m_field.items().at(i)));
        auto *text = new ClickLabel(singleSpaced(m_field.items().at(i)), row);
        text->setObjectName(QStringLiteral("%1_item%2").arg(m_field.name()).arg(i));
        text->setWordWrap(true);
        text->setTextFormat(Qt::PlainText);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QObject::connect(text, &ClickLabel::clicked, button, [button] {
            if (!button->isEnabled())
                return;
            button->setFocus(Qt::MouseFocusReason);
            button->click();
        });
        m_buttons.append(button);
        m_texts.append(text);
        m_rows.append(row);
    }
}

void ItemGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    layoutItems();
}

void ItemGroup::layoutItems()
{
    const int n = int(m_rows.size());
    if (n == 0)
        return;
    const int columns = std::max(1, m_field.columns());
    const int rows = (n + columns - 1) / columns;
    const QRect inner = contentsRect().adjusted(6, title().isEmpty() ? 4 : 2, -6, -2);
    const int spacing = 12;
    const int columnWidth = (inner.width() - (columns - 1) * spacing) / columns;
    const QSize box = m_buttons.front()->sizeHint();
    const int textWidth = std::max(1, columnWidth - box.width() - 4);

    struct Place {
        int buttonY, textY, height;
    };
    std::vector<Place> places(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        QWidget *text = m_texts[i];
        const QFontMetrics fm(text->font());
        const int lineHeight = fm.height();
        int textHeight;
        if (auto *label = qobject_cast<QLabel *>(text))
            textHeight = fm.boundingRect(QRect(0, 0, textWidth, 100000), Qt::TextWordWrap | Qt::AlignLeft,
                                         label->text()).height();
        else
            textHeight = text->hasHeightForWidth() ? text->heightForWidth(textWidth) : text->sizeHint().height();
        Place &p = places[size_t(i)];
        int firstLine = lineHeight;
        if (!qobject_cast<QLabel *>(text)) {
            // A sentence with amounts: its lines are as tall as the amounts.
            for (QObject *child : text->children())
                if (auto *w = qobject_cast<QWidget *>(child))
                    firstLine = std::max(firstLine, w->sizeHint().height());
        }
        p.buttonY = std::max(0, (firstLine - box.height()) / 2);
        p.textY = std::max(0, (box.height() - lineHeight) / 2);
        if (!qobject_cast<QLabel *>(text))
            p.textY = 0;
        p.height = std::max(p.buttonY + box.height(), p.textY + textHeight);
    }
    // Each column spreads its items evenly over the height of the group.
    for (int c = 0; c < columns; ++c) {
        const int first = c * rows;
        const int last = std::min(n, first + rows);
        int total = 0;
        for (int i = first; i < last; ++i)
            total += places[size_t(i)].height;
        const int gap = std::max(0, (inner.height() - total) / std::max(1, last - first));
        int y = inner.top() + gap / 2;
        const int x = inner.left() + c * (columnWidth + spacing);
        for (int i = first; i < last; ++i) {
            const Place &p = places[size_t(i)];
            m_rows[i]->setGeometry(x, y, columnWidth, p.height);
            m_buttons[i]->setGeometry(0, p.buttonY, box.width(), box.height());
            m_texts[i]->setGeometry(box.width() + 4, p.textY, textWidth, p.height - p.textY);
            y += p.height + gap;
        }
    }
}

QAbstractButton *ItemGroup::button(int item) const
{
    return m_buttons.value(item);
}

void ItemGroup::setItemFont(const QFont &font)
{
    for (QWidget *row : std::as_const(m_rows))
        row->setFont(font);
    if (isVisible())
        layoutItems(); // otherwise the resize on showing places them
}

void ItemGroup::placeInGaps(const QList<QWidget *> &widgets)
{
    int next = 0;
    for (int i = 0; i < m_rows.size() && next < widgets.size(); ++i) {
        const QString item = m_field.items().at(i);
        const QStringList pieces = splitAtGaps(item);
        if (pieces.size() < 2)
            continue;
        QWidget *row = m_rows[i];
        // Replace the wrapped text by the words of the sentence with the
        // amounts in its gaps.
        QWidget *old = m_texts[i];
        auto *sentence = new QWidget(row);
        auto *flow = new FlowLayout(sentence, 4, 2);
        QAbstractButton *button = m_buttons[i];
        for (int p = 0; p < pieces.size(); ++p) {
            const QStringList words = pieces[p].split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (const QString &word : words) {
                auto *w = new ClickLabel(word, sentence);
                w->setTextFormat(Qt::PlainText);
                QObject::connect(w, &ClickLabel::clicked, button, [button] {
                    if (!button->isEnabled())
                        return;
                    button->setFocus(Qt::MouseFocusReason);
                    button->click();
                });
                flow->addWidget(w);
            }
            if (p + 1 < pieces.size() && next < widgets.size()) {
                QWidget *amount = widgets[next++];
                amount->setParent(sentence);
                if (amount->accessibleName() == amount->objectName())
                    amount->setAccessibleName(singleSpaced(item)); // the sentence it completes
                flow->addWidget(amount);
            }
        }
        if (old)
            old->deleteLater();
        m_texts[i] = sentence;
        sentence->show();
    }
    if (isVisible())
        layoutItems();
}

// ---------------------------------------------------------------- RadioGroup

RadioGroup::RadioGroup(Field &field, const QString &caption, QWidget *parent)
    : ItemGroup(field, caption, parent), m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    build();
    refresh();
    // Only a choice of the user runs the rule, and only when it changes.
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) {
        userWrite([&] { m_field.choose(id); });
    });
    bind(this, field);
}

QAbstractButton *RadioGroup::makeButton(int item)
{
    auto *button = new QRadioButton;
    button->setObjectName(QStringLiteral("%1_%2").arg(m_field.name()).arg(item));
    m_group->addButton(button, item);
    return button;
}

void RadioGroup::showValue()
{
    const int index = m_field.itemIndex();
    if (m_group->checkedId() != index) {
        if (QAbstractButton *b = m_group->button(index)) {
            b->setChecked(true);
        } else {
            m_group->setExclusive(false);
            for (QAbstractButton *b : m_group->buttons())
                b->setChecked(false);
            m_group->setExclusive(true);
        }
    }
}

// ---------------------------------------------------------------- CheckGroup

CheckGroup::CheckGroup(Field &field, const QString &caption, QWidget *parent)
    : ItemGroup(field, caption, parent)
{
    build();
    refresh();
    bind(this, field);
}

QAbstractButton *CheckGroup::makeButton(int item)
{
    auto *button = new QCheckBox;
    button->setObjectName(QStringLiteral("%1_%2").arg(m_field.name()).arg(item));
    connect(button, &QCheckBox::clicked, this, [this, item](bool on) {
        userWrite([&] { m_field.setChecked(item, on); });
    });
    return button;
}

void CheckGroup::showValue()
{
    for (int i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->isChecked() != m_field.isChecked(i))
            m_buttons[i]->setChecked(m_field.isChecked(i));
}

// ---------------------------------------------------------------- StringGrid

GridModel::GridModel(Field &field, QObject *parent) : QAbstractTableModel(parent), m_field(field) {}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_field.rowCount() - 1);
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_field.columnCount() - 1);
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_field.cell(index.column() + 1, index.row() + 1);
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !m_field.isEditable())
        return false;
    auto *view = qobject_cast<QWidget *>(QObject::parent());
    guarded(view, [&] { m_field.setCell(index.column() + 1, index.row() + 1, value.toString()); });
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return orientation == Qt::Horizontal ? m_field.cell(section + 1, 0) : m_field.cell(0, section + 1);
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (m_field.isEditable())
        f |= Qt::ItemIsEditable;
    return f;
}

void GridModel::reload()
{
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

StringGrid::StringGrid(Field &field, const layout::GridLayout *look, QWidget *parent)
    : QTableView(parent), FieldControl(field, *this), m_model(new GridModel(field, this))
{
    setObjectName(field.name());
    setModel(m_model);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    if (look) {
        const QFont cellFont = toFont(look->font);
        const QFont fixedFont = toFont(look->fixedFont);
        setFont(cellFont);
        horizontalHeader()->setFont(fixedFont);
        verticalHeader()->setFont(fixedFont);
        verticalHeader()->setDefaultSectionSize(look->rowHeight);
        verticalHeader()->setMinimumSectionSize(std::min(look->rowHeight, 16));
        horizontalHeader()->setFixedHeight(look->rowHeight + 2);
        for (int c = 0; c < int(look->columnWidths.size()); ++c) {
            if (c == 0)
                verticalHeader()->setFixedWidth(look->columnWidths[0]);
            else
                setColumnWidth(c - 1, look->columnWidths[size_t(c)]);
        }
    }
    refresh();
    bind(this, field);
}

void StringGrid::showValue()
{
    m_model->reload();
}

bool StringGrid::hasFocusWithin() const
{
    QWidget *focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void StringGrid::wheelRows(int angleDelta)
{
    m_wheelRest += angleDelta;
    const int notches = m_wheelRest / 120;
    m_wheelRest -= notches * 120;
    if (notches == 0 || m_model->rowCount() == 0)
        return;
    QModelIndex current = currentIndex();
    if (!current.isValid())
        current = m_model->index(0, 0);
    const int row = std::clamp(current.row() - notches, 0, m_model->rowCount() - 1);
    setCurrentIndex(m_model->index(row, current.column()));
}

void StringGrid::wheelEvent(QWheelEvent *event)
{
    // A focused table moves its current row with the wheel; an unfocused one
    // leaves the wheel to the window.
    if (!hasFocusWithin()) {
        event->ignore();
        return;
    }
    wheelRows(event->angleDelta().y());
    event->accept();
}

// ---------------------------------------------------------------- factory

QWidget *createControl(Field &field, const layout::FieldLayout *look, QWidget *parent)
{
    QWidget *w = nullptr;
    switch (field.kind()) {
    case FieldKind::Edit:
        w = new TextEdit(field, parent);
        break;
    case FieldKind::NumEdit:
        w = new NumEdit(field, parent);
        break;
    case FieldKind::DateTimePicker:
        w = new DatePicker(field, parent);
        break;
    case FieldKind::RadioGroup: {
        auto *g = new RadioGroup(field, look ? look->groupCaption : QString(), parent);
        if (look) {
            if (!look->groupCaption.isEmpty())
                g->setFont(toFont(look->groupCaptionFont));
            g->setItemFont(toFont(look->font));
        }
        w = g;
        break;
    }
    case FieldKind::CheckGroup: {
        auto *g = new CheckGroup(field, look ? look->groupCaption : QString(), parent);
        if (look) {
            if (!look->groupCaption.isEmpty())
                g->setFont(toFont(look->groupCaptionFont));
            g->setItemFont(toFont(look->font));
        }
        w = g;
        break;
    }
    case FieldKind::CheckBox:
        w = new TickBox(field, look ? look->caption.text() : QString(), parent);
        break;
    case FieldKind::StringGrid:
        w = new StringGrid(field, layout::gridLayout(field.name()), parent);
        break;
    }
    if (w && look) {
        if (field.kind() != FieldKind::RadioGroup && field.kind() != FieldKind::CheckGroup
            && field.kind() != FieldKind::StringGrid)
            w->setFont(toFont(look->font));
        const QString caption = look->caption.present() ? look->caption.text().simplified()
                                                        : look->groupCaption.simplified();
        if (!caption.isEmpty())
            w->setAccessibleName(caption);
        else if (w->accessibleName().isEmpty())
            w->setAccessibleName(field.name());
    }
    return w;
}

FieldControl *controlOf(QWidget *widget)
{
    return dynamic_cast<FieldControl *>(widget);
}

} // namespace vkt::ui
