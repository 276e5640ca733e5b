// The tool as a program: where the script comes from, line ends, regional
// settings and the exit status.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class Invocation : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QProcess *start(QStringList args, const QByteArray &script, const QByteArray &lcAll)
    {
        auto *process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(lcAll));
        process->setProcessEnvironment(env);
        // "FILE" stands for the script written to a file; otherwise it comes on standard input.
        const qsizetype file = args.indexOf(QStringLiteral("FILE"));
        if (file >= 0) {
            const QString path = m_dir.filePath(QStringLiteral("script.txt"));
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write(script) != script.size())
                qFatal("cannot write the script");
            args[file] = path;
        }
        process->start(QStringLiteral(VKT_BATCH_TOOL), args);
        if (file < 0)
            process->write(script);
        process->closeWriteChannel();
        return process;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void runs_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("status");

        const QStringList stdinHu{QStringLiteral("--regional"), QStringLiteral("hu")};
        QTest::newRow("standard input, default settings")
            << QStringList{} << QByteArray("C.UTF-8") << QByteArray("enter PBNumEdit7 1234567\nget PBNumEdit7\n")
            << QByteArray("PBNumEdit7=1\xc2\xa0" "234\xc2\xa0" "567\n") << 0;
        QTest::newRow("empty script on standard input") << stdinHu << QByteArray("C.UTF-8") << QByteArray()
                                                        << QByteArray() << 0;
        QTest::newRow("empty script file") << QStringList{QStringLiteral("FILE")} << QByteArray("C.UTF-8")
                                           << QByteArray() << QByteArray() << 0;
        QTest::newRow("CR LF script file, TEXT ends before the CR")
            << QStringList{QStringLiteral("--regional"), QStringLiteral("hu"), QStringLiteral("FILE")}
            << QByteArray("C.UTF-8") << QByteArray("# comment\r\n\r\ntext Edit1 a b \r\nget Edit1\r\nget Edit2\r\n")
            << QByteArray("Edit1=a b \nEdit2=\n") << 0;
        QTest::newRow("CR LF script on standard input, last line without a line end")
            << stdinHu << QByteArray("C.UTF-8") << QByteArray("enter PBNumEdit7 5\r\nget PBNumEdit7")
            << QByteArray("PBNumEdit7=5\n") << 0;
        QTest::newRow("errors and notices are behaviour: status 0")
            << stdinHu << QByteArray("C.UTF-8")
            << QByteArray("text PBNumEdit7 E\ntext Edit11 x\nload /nonexistent-vkt-dir/VKT10002.txt jelszo\n")
            << QByteArray("error: 'E' is not a valid floating point value.\nrefused: Edit11\n"
                          "notice: Nincs ment\xc3\xa9s!           .\n")
            << 0;
        QTest::newRow("a line not understood: status 2, the script goes on")
            << stdinHu << QByteArray("C.UTF-8") << QByteArray("get Nincs\nget Edit11\n")
            << QByteArray("script error: line 1: unknown name: Nincs\nEdit11=Edit11\n") << 2;
        QTest::newRow("--regional system under LC_ALL=C takes the Hungarian settings")
            << QStringList{QStringLiteral("--regional"), QStringLiteral("system")} << QByteArray("C")
            << QByteArray("enter PBNumEdit7 1234,5\nget PBNumEdit7\nstate DateTimePicker2\n")
            << QByteArray("PBNumEdit7=1\xc2\xa0" "234,5\nDateTimePicker2 enabled=1 visible=1 min=2009-01-01 max=2009-12-31\n")
            << 0;
        QTest::newRow("--regional system follows the locale of the environment")
            << QStringList{QStringLiteral("--regional"), QStringLiteral("system")} << QByteArray("en_US.UTF-8")
            << QByteArray("enter PBNumEdit7 1234567.5\nget PBNumEdit7\n") << QByteArray("PBNumEdit7=1,234,567.5\n")
            << 0;
        QTest::newRow("unknown regional settings: status 1")
            << QStringList{QStringLiteral("--regional"), QStringLiteral("fr")} << QByteArray("C.UTF-8")
            << QByteArray("get Edit11\n") << QByteArray() << 1;
        QTest::newRow("two scripts: status 1") << QStringList{QStringLiteral("a"), QStringLiteral("b")}
                                               << QByteArray("C.UTF-8") << QByteArray() << QByteArray() << 1;
        QTest::newRow("missing script file: status 1")
            << QStringList{QStringLiteral("/nonexistent-vkt-dir/script.txt")} << QByteArray("C.UTF-8")
            << QByteArray() << QByteArray() << 1;
    }

    void runs()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, script);
        QFETCH(QByteArray, output);
        QFETCH(int, status);

        QProcess *process = start(args, script, lcAll);
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->readAllStandardOutput(), output);
        QCOMPARE(process->exitCode(), status);
        if (status == 1)
            QVERIFY(!process->readAllStandardError().isEmpty());
    }

    // Output that cannot be written is the tool's failure, not a success.
    void outputThatCannotBeWritten()
    {
        if (!QFile::exists(QStringLiteral("/dev/full")))
            QSKIP("no /dev/full on this system");
        auto *process = new QProcess(this);
        process->setStandardOutputFile(QStringLiteral("/dev/full"));
        process->start(QStringLiteral(VKT_BATCH_TOOL), {});
        process->write("get Edit11\ndump\n");
        process->closeWriteChannel();
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitStatus(), QProcess::NormalExit);
        QCOMPARE(process->exitCode(), 1);
    }
};

QTEST_GUILESS_MAIN(Invocation)
#include "tst_invocation.moc"
