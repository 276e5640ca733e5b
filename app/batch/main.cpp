// vkt10002-batch [--regional hu|system] [SCRIPT]
#include "app/batch/batchtool.h"
#include "model/error.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    // The report draws with fonts and a PDF writer, so a GUI application is
    // needed, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session there is no runtime folder; take the one Qt
    // would fall back to, without its warning on every run.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
        if (::mkdir(dir.constData(), 0700) == 0 || errno == EEXIST)
            qputenv("XDG_RUNTIME_DIR", dir);
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(vkt::applicationTitle());

    QStringList args = QCoreApplication::arguments().mid(1);
    vkt::RegionalSettings regional = vkt::RegionalSettings::hungarian();
    QTextStream err(stderr);
    if (args.size() >= 2 && args.front() == QLatin1String("--regional")) {
        const QString which = args.at(1);
        if (which == QLatin1String("system"))
            regional = vkt::RegionalSettings::system();
        else if (which != QLatin1String("hu")) {
            err << "usage: vkt10002-batch [--regional hu|system] [SCRIPT]\n";
            return 1;
        }
        args = args.mid(2);
    }
    if (args.size() > 1 || (!args.isEmpty() && args.front().startsWith(QLatin1String("--")))) {
        err << "usage: vkt10002-batch [--regional hu|system] [SCRIPT]\n";
        return 1;
    }

    QFile file;
    if (args.isEmpty()) {
        if (!file.open(stdin, QIODevice::ReadOnly)) {
            err << "vkt10002-batch: cannot read standard input\n";
            return 1;
        }
    } else {
        file.setFileName(args.front());
        if (!file.open(QIODevice::ReadOnly)) {
            err << "vkt10002-batch: cannot open " << args.front() << ": " << file.errorString() << "\n";
            return 1;
        }
    }
    QTextStream script(&file);
    script.setEncoding(QStringConverter::Utf8);

    QFile output;
    output.open(stdout, QIODevice::WriteOnly);
    QTextStream out(&output);
    out.setEncoding(QStringConverter::Utf8);
    try {
        vkt::batch::BatchTool tool(regional, out);
        const int status = tool.run(script);
        out.flush();
        // Output that did not reach its reader (a full disk, a closed pipe)
        // is the tool's own failure, never a success.
        if (out.status() != QTextStream::Ok || !output.flush() || output.error() != QFileDevice::NoError) {
            err << "vkt10002-batch: cannot write standard output: " << output.errorString() << "\n";
            return 1;
        }
        return status;
    } catch (const std::exception &e) {
        out.flush();
        err << "vkt10002-batch: " << e.what() << "\n";
        return 1;
    }
}
