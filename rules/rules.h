#pragma once

#include "model/regional.h"
#include "model/returnmodel.h"

#include <memory>

namespace vkt::rules {

// Registers every change rule of the return (PBNumEdit2Change, the sheet
// rules, the choice rules ...) with the model under its handler name.
void install(ReturnModel &model);

// A new return in its start-up state: the model, every rule installed, and
// FormCreate run. Both the desktop program and the batch tool start here.
std::unique_ptr<ReturnModel> createReturn(RegionalSettings regional);

} // namespace vkt::rules
