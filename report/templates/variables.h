#pragma once

// The names of the report variables: every name the value provider answers
// and the page templates may hold in square brackets. Names are matched
// exactly, letter case included ("M1" is not "m1").

#include <QString>
#include <QStringList>

namespace vkt::report {

// All variable names, in catalogue order (print date, identifier, section I,
// sections II to IV, section V amounts, section VI, sheets "A" to "H").
const QStringList &reportVariableNames();

bool isReportVariable(const QString &name);

} // namespace vkt::report
