#include "uitest.h"

#include "rules/rules.h"
#include "ui/errorbox.h"

namespace uitest {

std::unique_ptr<vkt::ReturnModel> newReturn()
{
    return vkt::rules::createReturn(vkt::RegionalSettings::hungarian());
}

ErrorRecorder::ErrorRecorder()
{
    vkt::ui::setErrorPresenter([this](QWidget *, const QString &text) { messages.append(text); });
}

ErrorRecorder::~ErrorRecorder()
{
    vkt::ui::setErrorPresenter({});
}

QString spaced(const QString &text)
{
    QString t = text;
    return t.replace(QChar(0x00A0), QLatin1Char(' '));
}

QString grouped(const QString &text)
{
    QString t = text;
    return t.replace(QLatin1Char(' '), QChar(0x00A0));
}

} // namespace uitest
