#pragma once

#include "model/dialogs.h"
#include "model/returnmodel.h"

#include <QStringList>
#include <functional>

namespace vkt::storage::test {

// Answers the password prompt and records every dialog shown, as
// "prompt:CAPTION|LABEL" and "notice:MESSAGE".
class FakeDialogs : public Dialogs {
public:
    explicit FakeDialogs(QString password = QString(), bool confirmed = true)
        : password(std::move(password)), confirmed(confirmed) {}

    bool prompt(const QString &caption, const QString &label, QString &text) override
    {
        calls << QStringLiteral("prompt:") + caption + u'|' + label;
        if (!confirmed)
            return false;
        text = password;
        return true;
    }
    void notice(const QString &message) override { calls << QStringLiteral("notice:") + message; }

    QString password;
    bool confirmed;
    QStringList calls;
};

// The message of the vkt::Error that fn throws, or an empty text.
QString errorOf(const std::function<void()> &fn);

// Gives every field of a model without rules a value that exercises the
// format: accented texts, "_" and "$" in texts, negative and fractional
// amounts, an empty edit and an empty numeric text, every grid cell.
void fillEveryField(ReturnModel &model);

// Every field's value as one line, date pickers left out: the state that a
// saved filling carries.
QStringList fieldValues(const ReturnModel &model);

// The file name in the sample data folder.
QString sampleData(const char *name);

} // namespace vkt::storage::test
