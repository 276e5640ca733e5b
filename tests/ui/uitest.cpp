#include "uitest.h"

#include "rules/rules.h"
#include "ui/errorbox.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

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

void whenModal(std::function<void(QDialog *)> act)
{
    auto *timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act, left = 300]() mutable {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        const bool up = dialog && dialog->isVisible();
        if (up || --left <= 0) {
            timer->stop();
            timer->deleteLater();
        }
        if (up)
            act(dialog);
        else if (left <= 0)
            qWarning("no modal dialog came up");
    });
    timer->start();
}

} // namespace uitest
