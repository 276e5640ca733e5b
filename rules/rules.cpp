#include "rules/rules.h"

namespace vkt::rules {

void install(ReturnModel &model)
{
    (void)model; // the rules follow
}

std::unique_ptr<ReturnModel> createReturn(RegionalSettings regional)
{
    auto model = std::make_unique<ReturnModel>(std::move(regional));
    install(*model);
    model->formCreate();
    return model;
}

} // namespace vkt::rules
