#pragma once

#include "field.h"
#include "regional.h"

#include <QHash>
#include <QAnyStringView>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace vkt {

// A change handler, such as PBNumEdit2Change: it receives the changed field
// and runs synchronously inside the write that changed it.
using Handler = std::function<void(Field &sender)>;

// The filled return: the 108 input fields in component order and the five
// display elements. Created once; lives until the program ends.
class ReturnModel : public QObject {
    Q_OBJECT
public:
    explicit ReturnModel(RegionalSettings regional = RegionalSettings::hungarian(),
                         QObject *parent = nullptr);
    ~ReturnModel() override;

    const RegionalSettings &regional() const { return m_regional; }

    // Lookup ignores ASCII letter case; nullptr when no field bears the name.
    Field *find(QAnyStringView name) const;
    // As find(), but a missing name is a programming error (asserted; throws).
    Field &field(QAnyStringView name) const;
    DisplayElement *findElement(QAnyStringView name) const;
    DisplayElement &element(QAnyStringView name) const;

    // The fields in component order.
    const std::vector<std::unique_ptr<Field>> &fields() const { return m_fields; }
    const std::vector<std::unique_ptr<DisplayElement>> &elements() const { return m_elements; }

    // Handlers are dispatched by name. A name that nobody registered runs
    // nothing. Registering a name again replaces the handler.
    void registerHandler(const QString &name, Handler handler);
    bool hasHandler(const QString &name) const;
    void runHandler(const QString &name, Field &sender);

    // FormCreate: start values of both grids, then "Éves bevallás" ticked,
    // which runs LMDCheckGroup1Click through the registry. (Highlighting
    // section I is the window's part.) An Error from the rule ends it early
    // and propagates.
    void formCreate();

signals:
    // Emitted after any change of a field: value, text, tick, cell, date,
    // limits, enabled or visible. Widgets refresh from the field.
    void fieldChanged(vkt::Field *field);
    void elementChanged(vkt::DisplayElement *element);

private:
    friend class Field;
    friend class DisplayElement;

    RegionalSettings m_regional;
    std::vector<std::unique_ptr<Field>> m_fields;
    std::vector<std::unique_ptr<DisplayElement>> m_elements;
    QHash<QString, Field *> m_byName;                 // lower-case name
    QHash<QString, DisplayElement *> m_elementsByName; // lower-case name
    QHash<QString, Handler> m_handlers;
};

} // namespace vkt
