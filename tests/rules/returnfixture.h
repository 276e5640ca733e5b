#pragma once

#include "model/returnmodel.h"

#include <QObject>
#include <QStringList>
#include <memory>

// A return as the program starts it, driven the way a person drives it.
struct Return {
    Return();

    vkt::ReturnModel &model() { return *m_model; }
    vkt::Field &operator[](const char *name) { return m_model->field(QString::fromLatin1(name)); }
    vkt::DisplayElement &element(const char *name) { return m_model->element(QString::fromLatin1(name)); }

    // Typing TEXT into the field and leaving it. Fails the test (returns
    // false) when a person could not type there.
    [[nodiscard]] bool type(const char *name, const QString &text);
    // "NAME=TEXT" items, typed in order.
    [[nodiscard]] bool typeAll(const QStringList &entries);
    // "NAME=TEXT" items; the first one that does not match, as "NAME=actual
    // (expected TEXT)", or an empty text when all match.
    QString mismatch(const QStringList &expected);
    // Every field's text or value, for "nothing else changed" checks.
    QStringList snapshot();

    std::unique_ptr<vkt::ReturnModel> m_model;
};

// Numbers as the hungarian regional settings show them: "1 234" is written
// with a plain blank here and compared with U+00A0.
QString hu(const QString &text);

// Records the changes of the model in order: one entry per field or element
// notification, "NAME" plus what it holds at that moment.
class ChangeLog : public QObject {
public:
    explicit ChangeLog(vkt::ReturnModel &model);
    QStringList entries;
};
