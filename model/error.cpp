#include "error.h"

namespace vkt {

Error floatConversionError(const QString &text)
{
    return Error(QStringLiteral("'%1' is not a valid floating point value").arg(text));
}

Error integerConversionError(const QString &text)
{
    return Error(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

QString boxMessage(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

} // namespace vkt
