#pragma once

#include "model/returnmodel.h"

#include <QDateTime>
#include <memory>

namespace vkt::test {

// A new return with every rule installed, Hungarian regional settings.
std::unique_ptr<ReturnModel> newReturn();

// A return without rules: writes set exactly what they write.
std::unique_ptr<ReturnModel> bareReturn();

// Fills every sheet with typical values, long names included, so that all
// eleven pages print and every statement mark shows once.
void fillCompletely(ReturnModel &model);

// The print clock of the tests: 2010-03-01 10:30.
QDateTime fixedNow();

} // namespace vkt::test
