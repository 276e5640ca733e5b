// vkt10002: the data-entry program of the local business tax return.

#include "model/error.h"
#include "model/regional.h"
#include "rules/rules.h"
#include "ui/errorbox.h"
#include "ui/mainwindow.h"
#include "ui/style.h"

#include <QApplication>
#include <QScreen>
#ifdef VKT_STARTUP_PROFILE
#include <QTimer>
#include <cstdio>
#include <ctime>
// Milliseconds since the process began (CLOCK_MONOTONIC against the start
// time the kernel keeps, at clock-tick resolution, so used only for phases).
static double phaseMs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}
#define VKT_PHASE(name) std::fprintf(stderr, "%-12s %8.2f\n", name, phaseMs())
#else
#define VKT_PHASE(name)
#endif

int main(int argc, char *argv[])
{
    VKT_PHASE("main");
    QApplication app(argc, argv);
    VKT_PHASE("application");
    // The application title (the window keeps its own caption; the error
    // boxes carry this title).
    QApplication::setApplicationName(vkt::applicationTitle());
    // The platform's style, with the menu bar's overflow icon fetched when it is needed.
    QApplication::setStyle(new vkt::ui::ProgramStyle);

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

    VKT_PHASE("model");
    vkt::ui::TForm1 window(*model);
    VKT_PHASE("window");
    // The window fills the desktop's work area.
    if (QScreen *screen = QGuiApplication::primaryScreen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    VKT_PHASE("shown");
#ifdef VKT_STARTUP_PROFILE
    // The profiling build of bench/startup ends as soon as the window is up.
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
#endif
    return QApplication::exec();
}
