#include "rules/rules.h"

#include "rules/taxrules.h"

namespace vkt::rules {

void install(ReturnModel &model)
{
    std::make_shared<TaxRules>(model)->install();
}

std::unique_ptr<ReturnModel> createReturn(RegionalSettings regional)
{
    auto model = std::make_unique<ReturnModel>(std::move(regional));
    install(*model);
    model->formCreate();
    return model;
}

} // namespace vkt::rules
