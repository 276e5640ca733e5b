#include "returnmodel.h"

#include "catalogue.h"
#include "error.h"

namespace vkt {

namespace {
// Names match whatever the case of their ASCII letters; no other character
// is folded (the Kelvin sign is not a "k").
QString key(QAnyStringView name)
{
    QString k = name.toString();
    for (QChar &c : k)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + (u'a' - u'A'));
    return k;
}
} // namespace

ReturnModel::ReturnModel(RegionalSettings regional, QObject *parent)
    : QObject(parent), m_regional(std::move(regional))
{
    const auto catalogue = fieldCatalogue();
    m_fields.reserve(catalogue.size());
    for (const FieldSpec &def : catalogue) {
        m_fields.push_back(std::make_unique<Field>(*this, def));
        Field *f = m_fields.back().get();
        m_byName.insert(key(f->name()), f); // names are unique
    }
    for (const ElementSpec &def : elementCatalogue()) {
        m_elements.push_back(std::make_unique<DisplayElement>(
            *this, QString::fromLatin1(def.name), def.enabled, def.visible));
        m_elementsByName.insert(key(m_elements.back()->name()), m_elements.back().get());
    }
}

ReturnModel::~ReturnModel() = default;

Field *ReturnModel::find(QAnyStringView name) const
{
    return m_byName.value(key(name), nullptr);
}

Field &ReturnModel::field(QAnyStringView name) const
{
    Field *f = find(name);
    Q_ASSERT_X(f, "ReturnModel::field", "no field of that name");
    if (!f)
        throw Error(QStringLiteral("No field named %1").arg(name.toString()));
    return *f;
}

DisplayElement *ReturnModel::findElement(QAnyStringView name) const
{
    if (name.isEmpty())
        return nullptr;
    return m_elementsByName.value(key(name), nullptr);
}

DisplayElement &ReturnModel::element(QAnyStringView name) const
{
    DisplayElement *e = findElement(name);
    Q_ASSERT_X(e, "ReturnModel::element", "no display element of that name");
    if (!e)
        throw Error(QStringLiteral("No element named %1").arg(name.toString()));
    return *e;
}

void ReturnModel::registerHandler(const QString &name, Handler handler)
{
    m_handlers.insert(name, std::move(handler));
}

bool ReturnModel::hasHandler(const QString &name) const
{
    return m_handlers.contains(name);
}

void ReturnModel::runHandler(const QString &name, Field &sender)
{
    const auto it = m_handlers.constFind(name);
    if (it == m_handlers.constEnd())
        return;
    // A copy: a handler may (re-)enter the registry while it runs.
    const Handler handler = it.value();
    handler(sender);
}

void ReturnModel::formCreate()
{
    Field &debts = field(u"AdvStringGrid1");
    for (int row = 1; row <= 5; ++row)
        debts.setCell(3, row, QStringLiteral("0"));
    Field &subcontractors = field(u"AdvStringGrid2");
    for (int row = 1; row <= 10; ++row)
        subcontractors.setCell(4, row, QStringLiteral("0"));
    field(u"LMDCheckGroup1").setChecked(0, true);
}

} // namespace vkt
