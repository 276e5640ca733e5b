#include "batchtool.h"

#include "model/error.h"
#include "rules/rules.h"

#include <clocale>
#include <cstdlib>

namespace vkt::batch {

// --- Args ---

QString Args::word(const char *what)
{
    if (m_atEnd || m_pos >= m_text.size())
        throw ScriptError{QStringLiteral("missing %1").arg(QLatin1String(what))};
    qsizetype blank = m_text.indexOf(QLatin1Char(' '), m_pos);
    if (blank < 0)
        blank = m_text.size();
    QString w = m_text.mid(m_pos, blank - m_pos);
    if (w.isEmpty())
        throw ScriptError{QStringLiteral("missing %1").arg(QLatin1String(what))};
    m_pos = blank + 1;
    if (blank >= m_text.size())
        m_atEnd = true;
    return w;
}

int Args::integer(const char *what)
{
    const QString w = word(what);
    bool ok = false;
    const int value = w.toInt(&ok, 10);
    if (!ok)
        throw ScriptError{QStringLiteral("%1 is not a whole number: %2").arg(QLatin1String(what), w)};
    return value;
}

QString Args::rest()
{
    if (m_atEnd || m_pos >= m_text.size()) {
        m_atEnd = true;
        return {};
    }
    QString r = m_text.mid(m_pos);
    m_pos = m_text.size();
    m_atEnd = true;
    return r;
}

void Args::end()
{
    if (!m_atEnd && m_pos < m_text.size())
        throw ScriptError{QStringLiteral("unexpected argument: %1").arg(m_text.mid(m_pos))};
}

// --- BatchTool ---

BatchTool::BatchTool(RegionalSettings regional, QTextStream &out)
    : m_regional(std::move(regional)), m_out(out)
{
    // Start-up as the desktop program does it; an error of the start-up rule
    // is shown and the tool goes on with the state reached.
    m_model = std::make_unique<ReturnModel>(m_regional);
    rules::install(*m_model);
    try {
        m_model->formCreate();
    } catch (const Error &e) {
        println(QStringLiteral("error: ") + boxMessage(e.message()));
    }
    addModelVerbs(*this);
    addStorageVerbs(*this);
    addReportVerbs(*this);
}

BatchTool::~BatchTool() = default;

void BatchTool::addVerb(const QString &name, Verb verb)
{
    m_verbs.insert(name, std::move(verb));
}

void BatchTool::println(const QString &line)
{
    m_out << line << '\n';
}

Field &BatchTool::fieldArg(Args &args)
{
    const QString name = args.word("NAME");
    Field *f = m_model->find(name);
    if (!f)
        throw ScriptError{QStringLiteral("unknown name: %1").arg(name)};
    return *f;
}

bool BatchTool::personMayChange(Field &f)
{
    if (f.isEditable())
        return true;
    println(QStringLiteral("refused: ") + f.name());
    return false;
}

bool BatchTool::runLine(const QString &rawLine, int lineNumber)
{
    QString line = rawLine;
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
        return true;
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    const QString verbName = blank < 0 ? line : line.left(blank);
    Args args(blank < 0 ? QString() : line.mid(blank + 1));
    if (blank < 0)
        args.rest(); // no arguments at all
    try {
        const auto it = m_verbs.constFind(verbName);
        if (it == m_verbs.constEnd())
            throw ScriptError{QStringLiteral("unknown verb: %1").arg(verbName)};
        it.value()(*this, args);
    } catch (const ScriptError &e) {
        println(QStringLiteral("script error: line %1: %2").arg(lineNumber).arg(e.what));
        return false;
    } catch (const Error &e) {
        println(QStringLiteral("error: ") + boxMessage(e.message()));
    }
    return true;
}

int BatchTool::run(QTextStream &script)
{
    int status = 0;
    int lineNumber = 0;
    QString line;
    while (script.readLineInto(&line)) {
        ++lineNumber;
        if (!runLine(line, lineNumber))
            status = 2;
        m_out.flush();
    }
    return status;
}

#ifdef VKT_NO_STORAGE_VERBS
void addStorageVerbs(BatchTool &) {}
#endif
#ifdef VKT_NO_REPORT_VERBS
void addReportVerbs(BatchTool &) {}
#endif

} // namespace vkt::batch
