// The guide window: it shows the guide text, lets the user edit it, and keeps
// the edits (and where the user was) from one showing to the next while the
// program runs; nothing is stored.

#include "ui/guidewindow.h"

#include <QApplication>
#include <QRegularExpression>
#include <QScrollBar>
#include "uitest.h"

#include <QTest>
#include <QTimer>
#include <functional>

using namespace vkt::ui;
using uitest::whenModal;

namespace {

QStringList guideLines()
{
    return GuideWindow::guideText().split(QLatin1Char('\n'));
}

int lineIndex(const QStringList &lines, const QString &line, int from = 0)
{
    for (int i = from; i < lines.size(); ++i)
        if (lines[i].trimmed() == line)
            return i;
    return -1;
}

} // namespace

class TstGuideWindow : public QObject {
    Q_OBJECT
private slots:
    void showsTheGuide();
    void keepsEditsWhileTheProgramRuns();
    void guideTextHeadingsInOrder();
    void guideTextRows();
};

void TstGuideWindow::showsTheGuide()
{
    GuideWindow w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Kitöltési útmutató"));
    QCOMPARE(w.memo()->toPlainText(), GuideWindow::guideText());
    QVERIFY(!w.memo()->isReadOnly());
    QCOMPARE(w.panel()->geometry(), QRect(16, 16, 657, 417));
    QCOMPARE(w.memo()->geometry(), QRect(8, 8, 641, 401));
    QCOMPARE(w.memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QVERIFY(w.memo()->font().family().contains(QStringLiteral("Courier")) || w.memo()->font().fixedPitch());
    QCOMPARE(w.memo()->font().pointSize(), 10);
    QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);

    // Shown modally until closed; the text is there to read.
    QString shown;
    whenModal([&](QDialog *d) {
        QCOMPARE(d, &w);
        shown = w.memo()->toPlainText();
        w.close();
    });
    w.showModally();
    QVERIFY(shown.startsWith(QStringLiteral("AZ IPARŰZÉSI ADÓBEVALLÁS BENYÚJTÁSÁRA KÖTELEZETTEK KÖRE")));
    QVERIFY(!w.isVisible());

    // Panel and memo keep their place when the window is resized.
    w.resize(900, 700);
    QCOMPARE(w.memo()->geometry(), QRect(8, 8, 641, 401));
}

void TstGuideWindow::keepsEditsWhileTheProgramRuns()
{
    GuideWindow w;
    const QString original = w.memo()->toPlainText();
    whenModal([&](QDialog *) {
        w.memo()->setFocus();
        QTest::keyClick(w.memo(), Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(w.memo(), QStringLiteral("Sajat jegyzet: "));
        QTest::keyClick(w.memo(), Qt::Key_Return);
        QTest::keyClick(w.memo(), Qt::Key_Escape); // not a way out of the guide
        QVERIFY(w.isVisible());
        w.close(); // the close box
    });
    w.showModally();
    QVERIFY(!w.isVisible());
    const QString edited = QStringLiteral("Sajat jegyzet: \n") + original;
    QCOMPARE(w.memo()->toPlainText(), edited);
    const int cursor = w.memo()->textCursor().position();
    QCOMPARE(cursor, 16);

    // Opened again: as it was left, and typing goes on at the same place.
    QString second;
    whenModal([&](QDialog *) {
        second = w.memo()->toPlainText();
        QTest::keyClicks(w.memo(), QStringLiteral("x"));
        w.close();
    });
    w.showModally();
    QCOMPARE(second, edited);
    QCOMPARE(w.memo()->toPlainText(), QStringLiteral("Sajat jegyzet: \nx") + original);

    // The edits are never stored: the guide the program carries is unchanged.
    QCOMPARE(GuideWindow::guideText(), original);
    GuideWindow fresh;
    QCOMPARE(fresh.memo()->toPlainText(), original);
}

void TstGuideWindow::guideTextHeadingsInOrder()
{
    const QStringList lines = guideLines();
    QVERIFY2(lines.size() >= 600 && lines.size() <= 740, qPrintable(QString::number(lines.size())));
    const QStringList headings = {
        "AZ IPARŰZÉSI ADÓBEVALLÁS BENYÚJTÁSÁRA KÖTELEZETTEK KÖRE",
        "BEVALLÁSI NYOMTATVÁNY EGYES SORAI",
        "1. AZONOSÍTÓ ADATOK",
        "2. A BEVALLÁS JELLEGE",
        "3. ZÁRÓ BEVALLÁS BENYÚJTÁSÁNAK OKA",
        "4. BEVALLÁSI IDŐSZAK",
        "5. CSATOLT KIEGÉSZÍTŐ LAPOK JELÖLÉSE",
        "6. A 2008. ÉVI ADÓALAP EGYSZERŰSÍTETT MEGHATÁROZÁSI MÓDJÁT VÁLASZTÓK",
        "NYILATKOZATA",
        "7. KÖNYVVEZETÉS MÓDJA",
        "8. ALKALMAZOTT ADÓALAP MEGOSZTÁS MÓDSZERE",
        "9. AZ ADÓ KISZÁMÍTÁSA",
        "KITÖLTÉSI ÚTMUTATÓ AZ \"A\" JELŰ KIEGÉSZÍTŐ LAPHOZ",
        "KITÖLTÉSI ÚTMUTATÓ A \"B\" JELŰ KIEGÉSZÍTŐ LAPHOZ",
        "KITÖLTÉSI ÚTMUTATÓ A \"C\" JELŰ KIEGÉSZÍTŐ LAPHOZ",
        "KITÖLTÉSI ÚTMUTATÓ A \"D\" JELŰ KIEGÉSZÍTŐ LAPHOZ",
        "KITÖLTÉSI ÚTMUTATÓ AZ \"E\" JELŰ KIEGÉSZÍTŐ LAPHOZ",
        "KITÖLTÉSI ÚTMUTATÓ A \"H\" JELŰ KIEGÉSZÍTŐ LAPHOZ",
        "Figyelem!",
    };
    QCOMPARE(lines.first(), headings.first());
    int at = 0;
    for (const QString &h : headings) {
        const int found = lineIndex(lines, h, at);
        QVERIFY2(found >= at, qPrintable(h));
        at = found + 1;
    }
    // "NYILATKOZATA" continues heading 6 on the very next line.
    const int six = lineIndex(lines, headings[7]);
    QCOMPARE(lines.value(six + 1).trimmed(), QStringLiteral("NYILATKOZATA"));
    // Points 6.1 to 6.4 under heading 6; no guide to sheets F and G.
    for (const char *point : {"6.1", "6.2", "6.3", "6.4"}) {
        bool seen = false;
        for (int i = six; i < lineIndex(lines, headings[9]); ++i)
            seen = seen || lines[i].startsWith(QString::fromLatin1(point));
        QVERIFY2(seen, point);
    }
    for (const QString &line : lines) {
        QVERIFY(!line.contains(QStringLiteral("\"F\" JELŰ KIEGÉSZÍTŐ LAPHOZ")));
        QVERIFY(!line.contains(QStringLiteral("\"G\" JELŰ KIEGÉSZÍTŐ LAPHOZ")));
        QVERIFY2(!line.endsWith(QLatin1Char('\r')), "plain line ends");
    }
    // One paragraph for each supplementary sheet under heading 5.
    const int five = lineIndex(lines, headings[6]);
    int from = five;
    for (const char *sheet : {"\"A\"", "\"B\"", "\"C\"", "\"D\"", "\"E\"", "\"F\"", "\"G\"", "\"H\""}) {
        int found = -1;
        for (int i = from; i < six && found < 0; ++i)
            if (lines[i].contains(QString::fromLatin1(sheet)))
                found = i;
        QVERIFY2(found > 0, sheet);
        from = found;
    }
    // The closing part: the deadline, the bank account, the signature, where to ask.
    const QString closing = lines.mid(lineIndex(lines, QStringLiteral("Figyelem!"))).join(QLatin1Char(' '));
    for (const char *word : {"határid", "számlá", "aláír", "Telefon", "Kerekvárda"})
        QVERIFY2(closing.contains(QString::fromUtf8(word)), word);
}

void TstGuideWindow::guideTextRows()
{
    const QStringList lines = guideLines();
    const int from = lineIndex(lines, QStringLiteral("9. AZ ADÓ KISZÁMÍTÁSA"));
    const int to = lineIndex(lines, QStringLiteral("KITÖLTÉSI ÚTMUTATÓ AZ \"A\" JELŰ KIEGÉSZÍTŐ LAPHOZ"));
    QVERIFY(from > 0 && to > from);
    // Rows 911 to 930, then row 10, each a paragraph opening with its number and "sor".
    QStringList rows;
    for (int r = 911; r <= 930; ++r)
        rows << QString::number(r);
    rows << QStringLiteral("10");
    int at = from;
    for (const QString &row : rows) {
        const QRegularExpression start(QStringLiteral("^%1\\. sor\\b").arg(row));
        int found = -1;
        for (int i = at; i < to && found < 0; ++i)
            if (start.match(lines[i]).hasMatch() && lines[i - 1].trimmed().isEmpty())
                found = i;
        QVERIFY2(found > 0, qPrintable(row));
        at = found + 1;
    }
}

QTEST_MAIN(TstGuideWindow)
#include "tst_guidewindow.moc"
