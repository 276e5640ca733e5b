#pragma once

#include "model/returnmodel.h"

#include <QHash>
#include <QString>
#include <QTextStream>
#include <functional>
#include <memory>
#include <stdexcept>

namespace vkt::batch {

// A line that is not understood: printed as "script error: line N: WHAT".
struct ScriptError {
    QString what;
};

// The arguments of one script line, read left to right. Arguments are
// separated by single blanks; rest() is the whole remainder, verbatim (it may
// be empty or contain blanks).
class Args {
public:
    explicit Args(QString text) : m_text(std::move(text)) {}
    QString word(const char *what);      // next argument; ScriptError when missing
    int integer(const char *what);       // next argument as a decimal int
    QString rest();                      // everything left, verbatim ("" when none)
    void end();                          // ScriptError if anything is left

private:
    QString m_text;
    qsizetype m_pos = 0;
    bool m_atEnd = false;
};

class BatchTool;
// A verb: reads its arguments from Args and prints through tool.out().
// Throw ScriptError for a line that is not understood, vkt::Error for an
// error of the program (printed "error: " + boxMessage()).
using Verb = std::function<void(BatchTool &tool, Args &args)>;

class BatchTool {
public:
    explicit BatchTool(RegionalSettings regional, QTextStream &out);
    ~BatchTool();

    ReturnModel &model() { return *m_model; }
    QTextStream &out() { return m_out; }
    const RegionalSettings &regional() const { return m_regional; }

    void addVerb(const QString &name, Verb verb);

    // Runs the whole script; returns the exit status (0, or 2 when a line
    // was not understood).
    int run(QTextStream &script);
    // Runs one line (lineNumber for messages); false when it was not understood.
    bool runLine(const QString &line, int lineNumber);

    // Finds a field or throws ScriptError("unknown name: ...").
    Field &fieldArg(Args &args);
    // Prints "refused: NAME" and returns false when a person cannot change f.
    bool personMayChange(Field &f);

    void println(const QString &line);

    // Extra state that verb groups keep (e.g. the print identifier).
    QString printIdentifier;

private:
    RegionalSettings m_regional;
    QTextStream &m_out;
    std::unique_ptr<ReturnModel> m_model;
    QHash<QString, Verb> m_verbs;
};

// Verb groups, each in its own file.
void addModelVerbs(BatchTool &tool);   // text leave enter value choose index tick check cell date get getcell state dump
void addStorageVerbs(BatchTool &tool); // plaintext save load
void addReportVerbs(BatchTool &tool);  // var print

} // namespace vkt::batch
