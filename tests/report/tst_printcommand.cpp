// The print command without windows: the print identifier, the pages and X
// marks chosen before printing, and the prepared report.
#include "model/error.h"
#include "report/printcommand.h"
#include "reportfixture.h"

#include <QRegularExpression>
#include <QTest>

using namespace vkt;
using namespace vkt::report;

class TestPrintCommand : public QObject {
    Q_OBJECT

    std::unique_ptr<ReturnModel> m;

    QStringList visiblePages(const PrintSelection &s)
    {
        QStringList names;
        for (int i = 0; i < kReportPageCount; ++i)
            if (s.pageVisible[i])
                names << QLatin1String(reportPageNames()[i]);
        return names;
    }
    PreparedReport prepare(const QString &identifier = QString())
    {
        return prepareReport(*m, identifier, test::fixedNow());
    }
    const QString &textOf(const PreparedReport &r, const char *page, const char *box)
    {
        for (const PreparedPage &p : r.pages) {
            if (p.page->name != QLatin1String(page))
                continue;
            for (std::size_t i = 0; i < p.page->texts.size(); ++i)
                if (p.page->texts[i].name.compare(QLatin1String(box), Qt::CaseInsensitive) == 0)
                    return p.texts[i];
        }
        static const QString none = QStringLiteral("<missing>");
        return none;
    }

private slots:
    void init() { m = test::bareReturn(); }

    // --- identifier ---

    void checksum_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("sum");
        QTest::addColumn<QString>("hex");
        QTest::newRow("AB") << "AB" << 196u << "C4";
        QTest::newRow("Á is 193 in the code page") << "Á" << 386u << "182";
        QTest::newRow("one letter counts twice") << "a" << 194u << "C2";
        QTest::newRow("ő and ű") << "őű" << (245u * 2 + 251u) << "2E5";
        QTest::newRow("euro sign is 0x80") << "€" << 256u << "100";
        QTest::newRow("outside the code page counts as ?") << "\u4E2D" << 126u << "7E";
        QTest::newRow("blanks count") << " A " << (32u * 2 + 65 + 32) << "A1";
    }
    void checksum()
    {
        QFETCH(QString, name);
        QFETCH(uint, sum);
        QFETCH(QString, hex);
        QCOMPARE(nameChecksum(name), sum);
        QCOMPARE(printIdentifierFor(name, QStringLiteral("98765432101")), QStringLiteral("432101") + hex);
    }

    void processorPart()
    {
        const QString digits = processorDigits();
        QVERIFY(!digits.isEmpty());
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]+$")).match(digits).hasMatch(), qPrintable(digits));
#if defined(__x86_64__) || defined(__i386__)
        QVERIFY(digits.size() >= 6);
#endif
        QCOMPARE(processorDigits(), digits); // the same processor model every time
        // Fewer than six digits are taken whole.
        QCOMPARE(printIdentifierFor(QStringLiteral("AB"), QStringLiteral("123")), QStringLiteral("123C4"));
    }

    void identifierFromTheName()
    {
        QString identifier;
        updatePrintIdentifier(*m, identifier); // empty name: nothing computed
        QCOMPARE(identifier, QString());

        m->field(u"Edit1").setText(QStringLiteral("AB"));
        updatePrintIdentifier(*m, identifier);
        QCOMPARE(identifier.left(6), processorDigits().right(6));
        QVERIFY(identifier.endsWith(QLatin1String("C4")));
        QCOMPARE(identifier.size(), 8);

        m->field(u"Edit1").setText(QStringLiteral("Á"));
        updatePrintIdentifier(*m, identifier);
        QCOMPARE(identifier, processorDigits().right(6) + QStringLiteral("182"));

        // An empty name keeps the identifier of the last print with a name.
        m->field(u"Edit1").setText(QString());
        updatePrintIdentifier(*m, identifier);
        QCOMPARE(identifier, processorDigits().right(6) + QStringLiteral("182"));
    }

    // --- pages and X marks ---

    void selection_data()
    {
        QTest::addColumn<QStringList>("writes"); // NAME=TEXT, NAME#INDEX, NAME:on, GRID(c,r)=TEXT
        QTest::addColumn<QStringList>("pages");
        QTest::addColumn<QStringList>("lines");
        const QStringList main{"Page1", "Page2", "Page2b"};
        QTest::newRow("start: main sheet only, statements 6.1 a. and 6.2 a.")
            << QStringList{} << main << QStringList{"Line78", "Line79", "Line82", "Line83"};
        QTest::newRow("no statement chosen")
            << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3"} << main << QStringList{};
        QTest::newRow("6.1 b. and 6.2 b.") << QStringList{"LMDRadioGroup5#1", "LMDRadioGroup6#1"} << main
                                           << QStringList{"Line80", "Line81", "Line84", "Line85"};
        QTest::newRow("6.3 a. and 6.4 b.") << QStringList{"LMDRadioGroup5#2", "LMDRadioGroup6#2"} << main
                                           << QStringList{"Line56", "Line8", "Line57", "Line58"};
        QTest::newRow("statement 11") << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "LMDCheckBox1:on"}
                                      << main << QStringList{"Line89", "Line90"};
        QTest::newRow("sheet B") << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "PBNumEdit43=1000"}
                                 << (main + QStringList{"Page6"}) << QStringList{"Line64", "Line65"};
        QTest::newRow("negative sheet A counts")
            << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "PBNumEdit35=-1"}
            << (main + QStringList{"Page5"}) << QStringList{"Line138", "Line139"};
        QTest::newRow("a fraction counts") << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "PBNumEdit51=0,1"}
                                           << (main + QStringList{"Page7"}) << QStringList{"Line66", "Line67"};
        QTest::newRow("sheet D") << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "PBNumEdit57=5"}
                                 << (main + QStringList{"Page8"}) << QStringList{"Line68", "Line69"};
        for (const char *f : {"PBNumEdit63", "PBNumEdit67", "PBNumEdit65", "PBNumEdit66", "PBNumEdit68",
                              "PBNumEdit64", "PBNumEdit70", "PBNumEdit71"})
            QTest::addRow("sheet F by %s", f) << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", QLatin1String(f) + QStringLiteral("=3")}
                                              << (main + QStringList{"Page9"}) << QStringList{"Line72", "Line73"};
        for (const char *f : {"PBNumEdit74", "PBNumEdit75", "PBNumEdit76", "PBNumEdit77"})
            QTest::addRow("sheet H by %s", f) << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", QLatin1String(f) + QStringLiteral("=3")}
                                              << (main + QStringList{"Page10"}) << QStringList{"Line76", "Line77"};
        QTest::newRow("sheet H by its first public debt")
            << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "AdvStringGrid1(1,1)=NAV"}
            << (main + QStringList{"Page10"}) << QStringList{"Line76", "Line77"};
        QTest::newRow("sheet H: a later public debt alone does not count")
            << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "AdvStringGrid1(1,2)=NAV", "AdvStringGrid1(2,1)=adó"}
            << main << QStringList{};
        QTest::newRow("sheet G by its first subcontractor")
            << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "AdvStringGrid2(1,1)=Építő Bt."}
            << (main + QStringList{"Page11"}) << QStringList{"Line74", "Line75"};
        QTest::newRow("sheet G: a blank name counts")
            << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "AdvStringGrid2(1,1)= "}
            << (main + QStringList{"Page11"}) << QStringList{"Line74", "Line75"};
        QTest::newRow("sheet G: later rows alone do not count")
            << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "AdvStringGrid2(1,2)=Építő Bt.", "AdvStringGrid2(4,1)=5"}
            << main << QStringList{};
        for (const char *f : {"PBNumEdit23", "PBNumEdit26", "PBNumEdit69"})
            QTest::addRow("sheet E by %s", f) << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", QLatin1String(f) + QStringLiteral("=3")}
                                              << (main + QStringList{"Page4"}) << QStringList{"Line70", "Line71"};
        QTest::newRow("sheet E: its results alone do not count")
            << QStringList{"LMDRadioGroup5#3", "LMDRadioGroup6#3", "PBNumEdit13=3", "PBNumEdit24=3", "PBNumEdit25=3", "PBNumEdit27=3"}
            << main << QStringList{};
        QTest::newRow("everything, in rule order")
            << QStringList{"LMDRadioGroup5#0", "LMDRadioGroup6#2", "LMDCheckBox1:on", "PBNumEdit35=1", "PBNumEdit43=1",
                           "PBNumEdit51=1", "PBNumEdit57=1", "PBNumEdit71=1", "PBNumEdit77=1", "AdvStringGrid2(1,1)=x",
                           "PBNumEdit69=1"}
            << QStringList{"Page1", "Page2", "Page2b", "Page5", "Page6", "Page7", "Page8", "Page4", "Page9", "Page11", "Page10"}
            << QStringList{"Line78", "Line79", "Line57", "Line58", "Line89", "Line90", "Line138", "Line139",
                           "Line64", "Line65", "Line66", "Line67", "Line68", "Line69", "Line72", "Line73",
                           "Line76", "Line77", "Line74", "Line75", "Line70", "Line71"};
    }
    void selection()
    {
        QFETCH(QStringList, writes);
        QFETCH(QStringList, pages);
        QFETCH(QStringList, lines);
        static const QRegularExpression cell(QStringLiteral("^(\\w+)\\((\\d+),(\\d+)\\)=(.*)$"));
        for (const QString &w : writes) {
            if (const auto c = cell.match(w); c.hasMatch())
                m->field(c.captured(1)).setCell(c.captured(2).toInt(), c.captured(3).toInt(), c.captured(4));
            else if (w.contains(QLatin1Char('#')))
                m->field(w.section(QLatin1Char('#'), 0, 0)).setItemIndex(w.section(QLatin1Char('#'), 1).toInt());
            else if (w.endsWith(QLatin1String(":on")))
                m->field(w.chopped(3)).setChecked(true);
            else
                m->field(w.section(QLatin1Char('='), 0, 0)).setText(w.section(QLatin1Char('='), 1));
        }
        const PrintSelection s = frxReport1BeforePrint(*m);
        QCOMPARE(visiblePages(s), pages);
        QCOMPARE(s.shownLines, lines);
        for (const QString &l : lines)
            QVERIFY(s.isLineShown(l.toLower()));

        // The prepared report prints the same pages in report order and
        // draws the same marks, in the order of the templates.
        const PreparedReport r = prepare();
        QVERIFY2(r.ok, qPrintable(r.errorMessage()));
        QCOMPARE(r.pageNames(), pages);
        QStringList sorted = r.shownMarks;
        QStringList expected = lines;
        std::sort(sorted.begin(), sorted.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(sorted, expected);
    }

    // Every print decides afresh from the fields as they are.
    void secondPrintForgetsTheFirst()
    {
        m->field(u"PBNumEdit43").setText(QStringLiteral("1000"));
        PreparedReport first = prepare();
        QCOMPARE(first.pageNames(), (QStringList{"Page1", "Page2", "Page2b", "Page6"}));
        QVERIFY(first.shownMarks.contains(QLatin1String("Line78")));
        QVERIFY(first.shownMarks.contains(QLatin1String("Line64")));

        m->field(u"LMDRadioGroup5").setItemIndex(1);
        m->field(u"PBNumEdit43").setText(QStringLiteral("0"));
        PreparedReport second = prepare();
        QCOMPARE(second.pageNames(), (QStringList{"Page1", "Page2", "Page2b"}));
        QVERIFY(second.shownMarks.contains(QLatin1String("Line80")));
        QVERIFY(!second.shownMarks.contains(QLatin1String("Line78")));
        QVERIFY(!second.shownMarks.contains(QLatin1String("Line64")));
        // The marks of Page1 are drawn on Page1 only, statement 11 on Page2b.
        m->field(u"LMDCheckBox1").setChecked(true);
        PreparedReport third = prepare();
        QCOMPARE(third.pages[0].shownLines, (QStringList{"Line80", "Line81", "Line82", "Line83"}));
        QCOMPARE(third.pages[1].shownLines, QStringList{});
        QCOMPARE(third.pages[2].shownLines, (QStringList{"Line89", "Line90"}));
    }

    // --- the prepared texts ---

    void slotsAreFilled()
    {
        m->field(u"Edit1").setText(QStringLiteral("Próba Kft."));
        m->field(u"PBNumEdit30").setText(QStringLiteral("1234567"));
        const PreparedReport r = prepare(QStringLiteral("123456C4"));
        QVERIFY(r.ok);
        QCOMPARE(r.barcodeText, QStringLiteral("123456C4"));
        QCOMPARE(textOf(r, "Page1", "Memo47"), QStringLiteral("Próba Kft."));
        QCOMPARE(textOf(r, "Page2", "Memo173"), QStringLiteral("1\u00A0234\u00A0567 Ft."));
        // A bracketed text that is no variable stays as it is.
        QVERIFY(textOf(r, "Page2", "Memo100").endsWith(QLatin1String("[(915-916-917)+918]")));
        QCOMPARE(textOf(r, "Page2b", "Memo153"), QStringLiteral("Kerekvárda, 2010.03.01."));
        // Every page strip shows the identifier in parentheses and the date.
        for (const PreparedPage &p : r.pages) {
            const QString all = QStringList(p.texts.begin(), p.texts.end()).join(QLatin1Char('|'));
            QVERIFY2(all.contains(QLatin1String("(123456C4)")), qPrintable(p.page->name));
            QVERIFY2(all.contains(QLatin1String("2010.03.01.")), qPrintable(p.page->name));
            QVERIFY2(!all.contains(QLatin1String("[azon]")), qPrintable(p.page->name));
        }
    }

    void noIdentifierYetPrintsEmptyParentheses()
    {
        const PreparedReport r = prepare();
        QVERIFY(r.ok);
        for (const PreparedPage &p : r.pages) {
            const QString all = QStringList(p.texts.begin(), p.texts.end()).join(QLatin1Char('|'));
            QVERIFY2(all.contains(QLatin1String("|()|")), qPrintable(all));
        }
    }

    // --- failures ---

    void failures_data()
    {
        QTest::addColumn<QStringList>("writes");
        QTest::addColumn<QString>("message"); // empty: the print succeeds
        QTest::newRow("emptied amount of sheet G while G prints")
            << QStringList{"AdvStringGrid2(1,1)=Építő Bt.", "AdvStringGrid2(4,3)="}
            << "A következő hiba történt:\n'' is not a valid floating point value";
        QTest::newRow("emptied amount of sheet G while G does not print")
            << QStringList{"AdvStringGrid2(4,3)="} << "";
        QTest::newRow("grouped amount of sheet H")
            << QStringList{"AdvStringGrid1(1,1)=NAV", "AdvStringGrid1(3,2)=1 000"}
            << "A következő hiba történt:\n'1 000' is not a valid floating point value";
        QTest::newRow("a numeric field the rules read")
            << QStringList{"PBNumEdit35=12x"} << "A következő hiba történt:\n'12x' is not a valid floating point value";
        QTest::newRow("a numeric field only a page reads")
            << QStringList{"PBNumEdit2=abc"} << "A következő hiba történt:\n'abc' is not a valid floating point value";
    }
    void failures()
    {
        QFETCH(QStringList, writes);
        QFETCH(QString, message);
        static const QRegularExpression cell(QStringLiteral("^(\\w+)\\((\\d+),(\\d+)\\)=(.*)$"));
        for (const QString &w : writes) {
            if (const auto c = cell.match(w); c.hasMatch())
                m->field(c.captured(1)).setCell(c.captured(2).toInt(), c.captured(3).toInt(), c.captured(4));
            else
                m->field(w.section(QLatin1Char('='), 0, 0)).setText(w.section(QLatin1Char('='), 1));
        }
        const PreparedReport r = prepare();
        if (message.isEmpty()) {
            QVERIFY2(r.ok, qPrintable(r.errorMessage()));
            return;
        }
        QVERIFY(!r.ok);
        QCOMPARE(r.errorMessage(), message);
        QVERIFY(r.pages.empty());
    }

    // Printing changes no field, whether it succeeds or fails.
    void printingChangesNothing()
    {
        auto filled = test::newReturn();
        test::fillCompletely(*filled);
        const auto snapshot = [&] {
            QStringList s;
            for (const auto &f : filled->fields()) {
                QString line = f->name() + QLatin1Char('|') + QString::number(f->isEnabled()) + QString::number(f->isVisible());
                switch (f->kind()) {
                case FieldKind::Edit:
                case FieldKind::NumEdit: line += f->text(); break;
                case FieldKind::DateTimePicker: line += f->date().toString(Qt::ISODate); break;
                case FieldKind::RadioGroup: line += QString::number(f->itemIndex()); break;
                case FieldKind::CheckGroup: line += QString::number(f->checkValue()); break;
                case FieldKind::CheckBox: line += QString::number(f->isChecked()); break;
                case FieldKind::StringGrid:
                    for (int c = 0; c < f->columnCount(); ++c)
                        for (int r = 0; r < f->rowCount(); ++r)
                            line += QLatin1Char('|') + f->cell(c, r);
                    break;
                }
                s << line;
            }
            return s;
        };
        const QStringList before = snapshot();
        int changes = 0;
        connect(filled.get(), &ReturnModel::fieldChanged, this, [&] { ++changes; });
        QVERIFY(prepareReport(*filled, QString(), test::fixedNow()).ok);
        QCOMPARE(changes, 0);
        QCOMPARE(snapshot(), before);

        Field &grid = filled->field(u"AdvStringGrid2");
        grid.setCell(4, 2, QStringLiteral("x")); // sheet "G" cannot print now
        const QStringList broken = snapshot();
        changes = 0;
        QVERIFY(!prepareReport(*filled, QString(), test::fixedNow()).ok);
        QCOMPARE(changes, 0);
        QCOMPARE(snapshot(), broken);
    }

    void pdfOfAFailedPrintIsNotWritten()
    {
        // The batch tool and the preview never write a failed report; the
        // writer itself still refuses a file it cannot create.
        const PreparedReport r = prepare();
        QString error;
        QVERIFY(!writePdf(r, QStringLiteral("/nonexistent-dir/x.pdf"), &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_MAIN(TestPrintCommand)
#include "tst_printcommand.moc"
