#pragma once

#include <QString>
#include <exception>

namespace vkt {

// A failure of a rule or command. It carries the message exactly as the
// platform would word it ("'1E' is not a valid floating point value"); it is
// caught at the command or event boundary and shown in the error box (the
// batch tool prints "error: " and boxMessage()).
class Error : public std::exception {
public:
    explicit Error(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The conversion errors of the platform.
Error floatConversionError(const QString &text);   // "'%s' is not a valid floating point value"
Error integerConversionError(const QString &text); // "'%s' is not a valid integer value"

// The message as the error box shows it: a full stop is added when the last
// character sorts after "." (so "...value" gets one, "...!" and "x." do not).
QString boxMessage(const QString &message);

// The application title: task bar and caption of every error box.
inline const QString &applicationTitle()
{
    static const QString title = QStringLiteral("VKT10002 - Helyi iparűzési adóbevallás");
    return title;
}

} // namespace vkt
