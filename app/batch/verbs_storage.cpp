// The saved-filling verbs: plaintext, save FILE PASSWORD, load FILE PASSWORD.

#include "batchtool.h"

#include "model/dialogs.h"
#include "storage/filling.h"

#include <QStringDecoder>

namespace vkt::batch {

namespace {

// The password prompt answered with the script's PASSWORD (an empty one is
// the cancelled prompt); notices are printed.
class ScriptDialogs : public Dialogs {
public:
    ScriptDialogs(BatchTool &tool, QString password) : m_tool(tool), m_password(std::move(password)) {}

    bool prompt(const QString &, const QString &, QString &text) override
    {
        if (m_password.isEmpty())
            return false;
        text = m_password.left(255);
        return true;
    }

    void notice(const QString &message) override { m_tool.println(QStringLiteral("notice: ") + message); }

private:
    BatchTool &m_tool;
    QString m_password;
};

} // namespace

void addStorageVerbs(BatchTool &tool)
{
    tool.addVerb(QStringLiteral("plaintext"), [](BatchTool &t, Args &args) {
        args.end();
        QStringDecoder decoder("windows-1250");
        const QString text = decoder.decode(storage::writePlaintext(t.model()));
        QStringList lines = text.split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        for (const QString &line : lines)
            t.println(line);
    });
    tool.addVerb(QStringLiteral("save"), [](BatchTool &t, Args &args) {
        const QString file = args.word("FILE");
        ScriptDialogs dialogs(t, args.rest());
        storage::saveFilling(t.model(), dialogs, file);
    });
    tool.addVerb(QStringLiteral("load"), [](BatchTool &t, Args &args) {
        const QString file = args.word("FILE");
        ScriptDialogs dialogs(t, args.rest());
        storage::loadFilling(t.model(), dialogs, file);
    });
}

} // namespace vkt::batch
