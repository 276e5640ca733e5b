#include "rules/rules.h"

#include "rules/taxrules.h"

#include <QObject>

namespace vkt::rules {

namespace {
// Keeps the rules alive as long as the model whose handlers refer to them.
class RulesOwner : public QObject {
public:
    RulesOwner(ReturnModel &model) : QObject(&model), rules(model) {}
    TaxRules rules;
};
} // namespace

void install(ReturnModel &model)
{
    (new RulesOwner(model))->rules.install();
}

std::unique_ptr<ReturnModel> createReturn(RegionalSettings regional)
{
    auto model = std::make_unique<ReturnModel>(std::move(regional));
    install(*model);
    model->formCreate();
    return model;
}

} // namespace vkt::rules
