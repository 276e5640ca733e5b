#include "ui/errorbox.h"

#include <QMessageBox>

namespace vkt::ui {

namespace {
ErrorPresenter &presenter()
{
    static ErrorPresenter p;
    return p;
}
} // namespace

void setErrorPresenter(ErrorPresenter p)
{
    presenter() = std::move(p);
}

void showErrorBox(QWidget *parent, const QString &message)
{
    const QString text = boxMessage(message);
    try {
        if (presenter()) {
            presenter()(parent, text);
            return;
        }
        QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok, parent);
        box.exec();
    } catch (...) {
        // Showing the failure must not fail in turn.
    }
}

} // namespace vkt::ui
