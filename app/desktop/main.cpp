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
    } catch (const vkt::Error &e) {
        // A failure while FormCreate runs is shown; the start goes on
        // without the rest of FormCreate.
        vkt::ui::showErrorBox(nullptr, e.message());
        model = std::make_unique<vkt::ReturnModel>(regional);
        vkt::rules::install(*model);
    }

    vkt::ui::TForm1 window(*model);
    // The window fills the desktop's work area.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
