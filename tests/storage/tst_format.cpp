// The plaintext of a saved filling: the lines the writer gives and how the
// reader applies them to the fields.

#include "filling_fixture.h"

#include "model/error.h"
#include "model/numeric.h"
#include "rules/rules.h"
#include "storage/filling.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QRegularExpression>
#include <QTest>

using namespace vkt;
using vkt::storage::test::errorOf;
using namespace vkt::storage;

namespace {

const RegionalSettings hu = RegionalSettings::hungarian();

QStringList linesOf(const QByteArray &plaintext)
{
    QStringDecoder decoder("windows-1250");
    QStringList lines = QString(decoder.decode(plaintext)).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray plaintextOf(const QStringList &valueLines)
{
    QStringEncoder encoder("windows-1250");
    return encoder.encode(QStringLiteral("vízimalom\r\n") + valueLines.join(QStringLiteral("\r\n"))
                          + QStringLiteral("\r\n"));
}

// "Edit1" gives the field's value as fieldValues() writes it;
// "AdvStringGrid2[2,3]" gives one cell.
QString probe(const ReturnModel &model, const QString &what)
{
    const qsizetype open = what.indexOf(u'[');
    if (open >= 0) {
        const QStringList coords = what.mid(open + 1, what.size() - open - 2).split(u',');
        return model.field(QStringView(what).left(open)).cell(coords[0].toInt(), coords[1].toInt());
    }
    const Field &f = model.field(what);
    for (const QString &v : test::fieldValues(model))
        if (v.startsWith(f.name() + u'='))
            return v.mid(f.name().size() + 1);
    return QStringLiteral("<no value>");
}

// The blanks of an amount as the Hungarian thousands separator U+00A0.
QString nb(const char *text)
{
    return QString::fromUtf8(text).replace(u' ', QChar(0x00A0));
}

} // namespace

class TestFormat : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void valueLines_data();
    void valueLines();
    void codePage();
    void reading_data();
    void reading();
    void lineEnds();
    void badIntegerChangesNothing_data();
    void badIntegerChangesNothing();
    void rulesWhileLoading();
    void unchangedTextRunsNoHandler();
    void ruleErrorStopsReading();
    void roundTripEveryField();
};

void TestFormat::startState()
{
    auto model = rules::createReturn(hu);
    const QByteArray plain = writePlaintext(*model);
    QVERIFY(plain.startsWith("v\xedzimalom\r\nEdit11_Edit11\r\nLMDRadioGroup2_-1\r\nLMDCheckGroup1_[0]i\r\n"
                             "LMDCheckGroup1_[1]n\r\n"));
    QVERIFY(plain.endsWith("\r\n"));
    QCOMPARE(plain.count("\r\n"), plain.count('\n'));
    QCOMPARE(plain.count("\r\n"), plain.count('\r'));

    const QStringList lines = linesOf(plain);
    // Every line names a field (or is the marker) and has a value.
    for (const QString &line : lines.mid(1)) {
        const qsizetype sep = line.indexOf(u'_');
        QVERIFY2(sep > 0 && sep + 1 < line.size(), qPrintable(line));
        QVERIFY2(model->find(QStringView(line).left(sep)), qPrintable(line));
    }
    // Empty edits give no line; date pickers never do.
    QVERIFY(!plain.contains("\nEdit1_"));
    QVERIFY(!plain.contains("DateTimePicker"));
    // Component order: section VII before section V, row 918 after row 10,
    // sheet G before sheet H; grid cells column by column.
    const auto at = [&](const char *line) { return lines.indexOf(QString::fromLatin1(line)); };
    QVERIFY(at("LMDCheckBox1_n") >= 0 && at("LMDCheckBox1_n") < at("PBNumEdit1_0"));
    QVERIFY(at("PBNumEdit28_0") + 1 == at("PBNumEdit12_0"));
    QVERIFY(at("AdvStringGrid2_[1,1]") >= 0);
    QCOMPARE(at("AdvStringGrid2_[1,2]"), at("AdvStringGrid2_[1,1]") + 1);
    QVERIFY(at("AdvStringGrid2_[4,1]0") > at("AdvStringGrid2_[3,10]"));
    const qsizetype sheetH = lines.indexOf(QRegularExpression(QStringLiteral("LMDRadioGroup1_.*")));
    QVERIFY(sheetH > at("AdvStringGrid2_[4,10]0"));
    QVERIFY(at("AdvStringGrid1_[3,5]0") > at("PBNumEdit77_0"));
    const Field &grid1 = model->field(u"AdvStringGrid1");
    QCOMPARE(lines.last(), QStringLiteral("AdvStringGrid1_[%1,%2]").arg(grid1.columnCount() - 1).arg(grid1.rowCount() - 1)
                               + grid1.cell(grid1.columnCount() - 1, grid1.rowCount() - 1));
    int gridLines = 0;
    for (const QString &line : lines)
        gridLines += line.startsWith(QLatin1String("AdvStringGrid1_[")) ? 1 : 0;
    QCOMPARE(gridLines, (grid1.columnCount() - 1) * (grid1.rowCount() - 1));
}

void TestFormat::valueLines_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // the lines that carry the field, in order
    const QString nb = QString(QChar(0x00A0));
    QTest::newRow("accented") << "Edit1" << QStringLiteral("Kovács Ödön") << QStringList{QStringLiteral("Edit1_Kovács Ödön")};
    QTest::newRow("underscores") << "Edit1" << "a_b__c" << QStringList{"Edit1_a_b__c"};
    QTest::newRow("dollar") << "Edit1" << "$a$" << QStringList{"Edit1_$a$"};
    QTest::newRow("empty edit") << "Edit11" << "" << QStringList{};
    QTest::newRow("grouped number") << "PBNumEdit30" << "-1" + nb + "234" + nb + "567,5"
                                    << QStringList{"PBNumEdit30_-1" + nb + "234" + nb + "567,5"};
    QTest::newRow("empty number") << "PBNumEdit30" << "" << QStringList{};
    QTest::newRow("line breaks") << "Edit1" << QStringLiteral("első\nmásodik\r\nharmadik")
                                 << QStringList{QStringLiteral("Edit1_első"), QStringLiteral("$Edit1_második"),
                                                QStringLiteral("$Edit1_harmadik")};
    QTest::newRow("blank lines dropped") << "Edit1" << "a\n\nb\n" << QStringList{"Edit1_a", "$Edit1_b"};
    // A first line that is empty is dropped with its name: the rest continues
    // the line before it.
    QTest::newRow("empty first line") << "Edit2" << "\nfolytat" << QStringList{};
}

void TestFormat::valueLines()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    auto model = rules::createReturn(hu);
    model->field(field).setText(text);
    const QStringList lines = linesOf(writePlaintext(*model));
    QStringList carrying;
    for (const QString &line : lines)
        if (line.startsWith(field + u'_') || line.startsWith(u'$' + field + u'_'))
            carrying << line;
    QCOMPARE(carrying, expected);
    if (!expected.isEmpty()) {
        const qsizetype first = lines.indexOf(expected.first());
        QCOMPARE(lines.mid(first, expected.size()), expected);
    }
    if (QTest::currentDataTag() == QByteArray("empty first line"))
        QCOMPARE(lines.at(lines.indexOf(QStringLiteral("Edit11_Edit11")) + 1), QStringLiteral("$Edit11_folytat"));
}

void TestFormat::codePage()
{
    auto model = rules::createReturn(hu);
    model->field(u"Edit1").setText(QStringLiteral("őŐűŰ€áÁ"));
    model->field(u"PBNumEdit30").setValue(1234567);
    const QByteArray plain = writePlaintext(*model);
    QVERIFY(plain.contains("\r\nEdit1_\xf5\xd5\xfb\xdb\x80\xe1\xc1\r\n"));
    QVERIFY(plain.contains("\r\nPBNumEdit30_1\xa0" "234\xa0" "567\r\n"));
    QVERIFY(!plain.startsWith("\xef\xbb\xbf"));
    // Characters outside the code page are written as "?".
    model->field(u"Edit2").setText(QStringLiteral("a中b"));
    QVERIFY(writePlaintext(*model).contains("\r\nEdit2_a?b\r\n"));

    auto loaded = rules::createReturn(hu);
    applyPlaintext(*loaded, plain);
    QCOMPARE(loaded->field(u"Edit1").text(), QStringLiteral("őŐűŰ€áÁ"));
}

void TestFormat::reading_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("expected");
    QTest::newRow("edit") << QStringList{QStringLiteral("Edit1_Kovács")} << "Edit1" << QStringLiteral("Kovács");
    QTest::newRow("underscores survive") << QStringList{"Edit1_a_b_c"} << "Edit1" << "a_b_c";
    QTest::newRow("dollar in text survives") << QStringList{"Edit1_$5 $6$"} << "Edit1" << "$5 $6$";
    QTest::newRow("empty value clears") << QStringList{"Edit11_"} << "Edit11" << "";
    QTest::newRow("name case ignored") << QStringList{"eDIT1_kis"} << "Edit1" << "kis";
    QTest::newRow("continuation replaces") << QStringList{"Edit1_első", "$Edit1_második"} << "Edit1" << "második";
    QTest::newRow("two continuations") << QStringList{"Edit1_a", "$Edit1_b", "$Edit1_c"} << "Edit1" << "c";
    QTest::newRow("bare continuation") << QStringList{"Edit2_x", "Edit1_a", "b"} << "Edit1" << "b";
    QTest::newRow("continuation after check box") << QStringList{"LMDCheckBox1_n", "i"} << "LMDCheckBox1" << "1";
    // A bare continuation with "_" reads as a line of its own: here it names
    // no field and is skipped.
    QTest::newRow("bare continuation with _") << QStringList{"Edit1_a", "tovább_is"} << "Edit1" << "a";
    QTest::newRow("unknown name skipped") << QStringList{"Edit1_a", "Nincsilyen_b", "c"} << "Edit1" << "c";
    QTest::newRow("first line without name") << QStringList{"szabad szöveg", "Edit1_a"} << "Edit1" << "a";
    QTest::newRow("number text as is") << QStringList{"PBNumEdit30_1000"} << "PBNumEdit30" << "1000";
    QTest::newRow("radio") << QStringList{"LMDRadioGroup5_2"} << "LMDRadioGroup5" << "2";
    QTest::newRow("radio none") << QStringList{"LMDRadioGroup5_-1"} << "LMDRadioGroup5" << "-1";
    QTest::newRow("radio clamped high") << QStringList{"LMDRadioGroup5_99"} << "LMDRadioGroup5" << "3";
    QTest::newRow("radio clamped low") << QStringList{"LMDRadioGroup5_-7"} << "LMDRadioGroup5" << "-1";
    QTest::newRow("radio empty") << QStringList{"LMDRadioGroup5_"} << "LMDRadioGroup5" << "0";
    QTest::newRow("check box i") << QStringList{"LMDCheckBox1_i"} << "LMDCheckBox1" << "1";
    QTest::newRow("check box I") << QStringList{"LMDCheckBox1_i", "LMDCheckBox1_I"} << "LMDCheckBox1" << "0";
    QTest::newRow("check box igen") << QStringList{"LMDCheckBox1_i", "LMDCheckBox1_igen"} << "LMDCheckBox1" << "0";
    QTest::newRow("check group") << QStringList{"LMDCheckGroup1_[0]n", "LMDCheckGroup1_[2]i"} << "LMDCheckGroup1" << "00100000";
    QTest::newRow("check group I") << QStringList{"LMDCheckGroup1_[0]I"} << "LMDCheckGroup1" << "00000000";
    QTest::newRow("check group outside") << QStringList{"LMDCheckGroup1_[8]n", "LMDCheckGroup1_[-1]n"} << "LMDCheckGroup1" << "10000000";
    QTest::newRow("check group bare line") << QStringList{"LMDCheckGroup1_[1]i", "[3]i"} << "LMDCheckGroup1" << "11010000";
    QTest::newRow("cell") << QStringList{"AdvStringGrid2_[2,3]a]b,c$d[e"} << "AdvStringGrid2[2,3]" << "a]b,c$d[e";
    QTest::newRow("cell cleared") << QStringList{"AdvStringGrid2_[4,1]"} << "AdvStringGrid2[4,1]" << "";
    QTest::newRow("cell no bracket") << QStringList{"AdvStringGrid2_[4,1x"} << "AdvStringGrid2[4,1]" << "0";
    QTest::newRow("cell outside") << QStringList{"AdvStringGrid2_[4,11]x", "AdvStringGrid2_[0,1]y"} << "AdvStringGrid2[4,1]" << "0";
    QTest::newRow("cell continuation") << QStringList{"AdvStringGrid1_[1,1]a", "$AdvStringGrid1_b"} << "AdvStringGrid1[1,1]" << "a";
    QTest::newRow("date picker ignored") << QStringList{"DateTimePicker1_2000.01.01.", "Edit1_x"} << "Edit1" << "x";
}

void TestFormat::reading()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, what);
    QFETCH(QString, expected);
    auto model = rules::createReturn(hu);
    const QDate date = model->field(u"DateTimePicker1").date();
    applyPlaintext(*model, plaintextOf(lines));
    QCOMPARE(probe(*model, what), expected);
    QCOMPARE(model->field(u"DateTimePicker1").date(), date);
}

void TestFormat::lineEnds()
{
    // Lone LF and CR end lines too; a missing last line end is accepted.
    auto model = rules::createReturn(hu);
    applyPlaintext(*model, QByteArray("v\xedzimalom\nEdit1_a\rEdit2_b\r\nEdit3_c"));
    QCOMPARE(model->field(u"Edit1").text(), QStringLiteral("a"));
    QCOMPARE(model->field(u"Edit2").text(), QStringLiteral("b"));
    QCOMPARE(model->field(u"Edit3").text(), QStringLiteral("c"));
}

void TestFormat::badIntegerChangesNothing_data()
{
    QTest::addColumn<QString>("badLine");
    QTest::addColumn<QString>("message");
    QTest::newRow("radio") << "LMDRadioGroup6_x" << "'x' is not a valid integer value";
    QTest::newRow("radio blank") << "LMDRadioGroup6_ 1" << "' 1' is not a valid integer value";
    QTest::newRow("grid column") << "AdvStringGrid2_[a,1]t" << "'a' is not a valid integer value";
    QTest::newRow("grid no comma") << "AdvStringGrid2_[1]t" << "'' is not a valid integer value";
    QTest::newRow("grid row") << "AdvStringGrid2_[1,]t" << "'' is not a valid integer value";
    QTest::newRow("grid brackets reversed") << "AdvStringGrid2_]1,1[t" << "'' is not a valid integer value";
    QTest::newRow("check group") << "LMDCheckGroup1_[x]i" << "'x' is not a valid integer value";
    QTest::newRow("check group empty") << "LMDCheckGroup1_[]i" << "'' is not a valid integer value";
}

void TestFormat::badIntegerChangesNothing()
{
    QFETCH(QString, badLine);
    QFETCH(QString, message);
    auto model = rules::createReturn(hu);
    const QStringList before = test::fieldValues(*model);
    const bool closingEnabled = model->field(u"LMDRadioGroup2").isEnabled();
    const QStringList lines = {QStringLiteral("Edit1_új"), "LMDCheckGroup1_[1]i", nb("PBNumEdit30_1 000"),
                               "AdvStringGrid2_[1,1]x", badLine, "Edit2_később"};
    QCOMPARE(errorOf([&] { applyPlaintext(*model, plaintextOf(lines)); }), message);
    QCOMPARE(test::fieldValues(*model), before);
    QCOMPARE(model->field(u"LMDRadioGroup2").isEnabled(), closingEnabled);
}

void TestFormat::rulesWhileLoading()
{
    // A loaded amount runs the row chain.
    auto model = rules::createReturn(hu);
    applyPlaintext(*model, plaintextOf({nb("PBNumEdit30_1 000 000"), nb("PBNumEdit31_100 000")}));
    QCOMPARE(model->field(u"PBNumEdit29").text(), nb("900 000"));

    // A loaded choice runs no choice rule: the enabled states stay.
    auto byLoad = rules::createReturn(hu);
    auto byHand = rules::createReturn(hu);
    const bool before = byLoad->field(u"PBNumEdit30").isEnabled();
    applyPlaintext(*byLoad, plaintextOf({"LMDRadioGroup5_3"}));
    byHand->field(u"LMDRadioGroup5").choose(3);
    QCOMPARE(byLoad->field(u"LMDRadioGroup5").itemIndex(), 3);
    QCOMPARE(byLoad->field(u"PBNumEdit30").isEnabled(), before);
    QVERIFY(byHand->field(u"PBNumEdit30").isEnabled() != before);

    // A loaded tick runs LMDCheckGroup1Click ...
    auto closing = rules::createReturn(hu);
    applyPlaintext(*closing, plaintextOf({"LMDCheckGroup1_[1]i"}));
    QVERIFY(closing->field(u"LMDRadioGroup2").isEnabled());
    QCOMPARE(closing->field(u"LMDRadioGroup2").itemIndex(), 0);
    // ... but the closing reason saved before the tick is what stays chosen.
    auto reason = rules::createReturn(hu);
    applyPlaintext(*reason, plaintextOf({"LMDRadioGroup2_2", "LMDCheckGroup1_[0]i", "LMDCheckGroup1_[1]i"}));
    QVERIFY(reason->field(u"LMDRadioGroup2").isEnabled());
    QCOMPARE(reason->field(u"LMDRadioGroup2").itemIndex(), 2);
}

void TestFormat::unchangedTextRunsNoHandler()
{
    ReturnModel model(hu);
    Field &f = model.field(u"PBNumEdit30");
    QVERIFY(!f.handlerName().isEmpty());
    int runs = 0;
    model.registerHandler(f.handlerName(), [&](Field &) { ++runs; });
    applyPlaintext(model, plaintextOf({"PBNumEdit30_0"}));
    QCOMPARE(runs, 0);
    applyPlaintext(model, plaintextOf({"PBNumEdit30_5", "PBNumEdit30_5"}));
    QCOMPARE(runs, 1);
}

void TestFormat::ruleErrorStopsReading()
{
    // A numeric text that is no number stops the rule that reads it; the
    // lines before stay applied, the later ones are not read.
    auto model = rules::createReturn(hu);
    const QString message = errorOf([&] {
        applyPlaintext(*model, plaintextOf({"Edit1_a", "PBNumEdit30_1E", "Edit2_b"}));
    });
    QCOMPARE(message, QStringLiteral("'1E' is not a valid floating point value"));
    QCOMPARE(model->field(u"Edit1").text(), QStringLiteral("a"));
    QCOMPARE(model->field(u"PBNumEdit30").text(), QStringLiteral("1E"));
    QCOMPARE(model->field(u"Edit2").text(), QString());
}

void TestFormat::roundTripEveryField()
{
    ReturnModel source(hu), target(hu);
    target.field(u"Edit2").setText(QStringLiteral("typed before loading"));
    test::fillEveryField(source);
    const QStringList targetBefore = test::fieldValues(target);
    applyPlaintext(target, writePlaintext(source));

    const QStringList saved = test::fieldValues(source);
    const QStringList loaded = test::fieldValues(target);
    QCOMPARE(loaded.size(), saved.size());
    int kept = 0;
    for (qsizetype i = 0; i < saved.size(); ++i) {
        if (saved[i].endsWith(u'=')) { // empty when saved: no line, the old value stays
            QCOMPARE(loaded[i], targetBefore[i]);
            ++kept;
        } else {
            QCOMPARE(loaded[i], saved[i]);
        }
    }
    QCOMPARE(kept, 2); // the empty edit and the empty numeric text
    QCOMPARE(target.field(u"Edit2").text(), QStringLiteral("typed before loading"));
}

QTEST_GUILESS_MAIN(TestFormat)
#include "tst_format.moc"
