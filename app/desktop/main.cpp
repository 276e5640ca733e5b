// vkt10002: the data-entry program of the local business tax return.

#include "model/error.h"
#include "model/regional.h"
#include "rules/rules.h"
#include "ui/errorbox.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application title (the window keeps its own caption; the error
    // boxes carry this title).
    QApplication::setApplicationName(vkt::applicationTitle());

    const vkt::RegionalSettings regional = vkt::RegionalSettings::system();
    std::unique_ptr<vkt::ReturnModel> model;
    try {
        model = vkt::rules::createReturn(regional);
    } catch (const vkt::Error &) {
        // FormCreate failed (a date format that does not read the period
        // limits): start again and let the failure show where it happens; the
        // rest of FormCreate is skipped and the start goes on.
        model = std::make_unique<vkt::ReturnModel>(regional);
        vkt::rules::install(*model);
        vkt::ui::guarded(nullptr, [&] { model->formCreate(); });
    }

    vkt::ui::TForm1 window(*model);
    // The window fills the desktop's work area.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
