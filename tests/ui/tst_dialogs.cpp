// The password prompt and the information notice, driven by real key and
// mouse events while they run modally.

#include "ui/dialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include "uitest.h"

#include <QTest>
#include <QTimer>
#include <functional>

using namespace vkt::ui;
using uitest::whenModal;

namespace {

// The text as wide as the label must be to show it whole.
bool showsWhole(const QLabel *label)
{
    const QFontMetrics fm(label->font());
    const QRect needed = fm.boundingRect(QRect(0, 0, label->width(), 100000),
                                         label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
    return needed.width() <= label->width() && needed.height() <= label->height()
        && label->parentWidget()->rect().contains(label->geometry());
}

// Types the text key by key; letters beyond ASCII come as key events that
// carry their text, as a keyboard layout delivers them.
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

enum class End { Enter, Escape, CloseBox, ClickOk, ClickCancel, EnterOnCancel };

} // namespace

Q_DECLARE_METATYPE(End)

class TstDialogs : public QObject {
    Q_OBJECT
private slots:
    void promptLooks();
    void promptEnds_data();
    void promptEnds();
    void promptRefusesCharacter256();
    void noticeLooks_data();
    void noticeLooks();
    void noticeCloses_data();
    void noticeCloses();
    void widgetDialogsAnswerTheCommands();
};

void TstDialogs::promptLooks()
{
    PromptDialog d(QStringLiteral("Kérek egy jelszót!"), QStringLiteral("A jelszó a későbbi visszatöltésnél kell majd:"),
                   QStringLiteral("régi"));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle(), QStringLiteral("Kérek egy jelszót!"));
    QCOMPARE(d.entry()->text(), QStringLiteral("régi"));
    QCOMPARE(d.entry()->selectedText(), QStringLiteral("régi"));
    QCOMPARE(d.entry()->echoMode(), QLineEdit::Normal);
    QCOMPARE(d.okButton()->text(), QStringLiteral("OK"));
    QCOMPARE(d.cancelButton()->text(), QStringLiteral("Mégsem"));
    QVERIFY(d.okButton()->isDefault());
    QVERIFY(!d.cancelButton()->isDefault());
    QCOMPARE(QApplication::focusWidget(), d.entry());
    QVERIFY(!(d.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(d.windowFlags() & Qt::WindowMaximizeButtonHint));

    // 180 x 63 dialog units at least; nothing cut off or overlapping.
    const DialogUnits u = DialogUnits::of(d.font());
    QVERIFY(d.width() >= u.x(180) && d.height() >= u.y(63));
    QVERIFY(showsWhole(d.promptLabel()));
    for (QWidget *w : {static_cast<QWidget *>(d.entry()), static_cast<QWidget *>(d.okButton()),
                       static_cast<QWidget *>(d.cancelButton())})
        QVERIFY(d.rect().contains(w->geometry()));
    QVERIFY(d.promptLabel()->geometry().bottom() < d.entry()->geometry().top());
    QVERIFY(d.entry()->geometry().bottom() < d.okButton()->geometry().top());
    QVERIFY(d.okButton()->geometry().right() < d.cancelButton()->geometry().left());
    QCOMPARE(d.okButton()->width(), u.x(50));
    QCOMPARE(d.okButton()->height(), u.y(14));
}

void TstDialogs::promptEnds_data()
{
    QTest::addColumn<End>("end");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("text");
    // The entry starts with "régi" selected: typing replaces it.
    QTest::newRow("Enter") << End::Enter << true << "tűz és titok 123";
    QTest::newRow("OK clicked") << End::ClickOk << true << "tűz és titok 123";
    QTest::newRow("Esc") << End::Escape << false << "régi";
    QTest::newRow("Mégsem clicked") << End::ClickCancel << false << "régi";
    QTest::newRow("close box") << End::CloseBox << false << "régi";
    QTest::newRow("Enter on Mégsem") << End::EnterOnCancel << false << "régi";
}

void TstDialogs::promptEnds()
{
    QFETCH(End, end);
    QFETCH(bool, accepted);
    QFETCH(QString, text);
    QString seenWhileTyping;
    whenModal([&](QDialog *dialog) {
        auto *prompt = qobject_cast<PromptDialog *>(dialog);
        QVERIFY(prompt);
        typeText(prompt->entry(), QStringLiteral("tűz és titok 123"));
        seenWhileTyping = prompt->entry()->displayText();
        switch (end) {
        case End::Enter: QTest::keyClick(prompt->entry(), Qt::Key_Return); break;
        case End::Escape: QTest::keyClick(prompt->entry(), Qt::Key_Escape); break;
        case End::CloseBox: prompt->close(); break;
        case End::ClickOk: QTest::mouseClick(prompt->okButton(), Qt::LeftButton); break;
        case End::ClickCancel: QTest::mouseClick(prompt->cancelButton(), Qt::LeftButton); break;
        case End::EnterOnCancel:
            QTest::keyClick(prompt->entry(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), prompt->okButton());
            QTest::keyClick(prompt->okButton(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), prompt->cancelButton());
            QTest::keyClick(prompt->cancelButton(), Qt::Key_Return);
            break;
        }
    });
    QString value = QStringLiteral("régi");
    const bool result = PromptDialog::ask(QStringLiteral("Jelszóellenőrzés"), QStringLiteral("Kérem a jelszót"), value);
    QCOMPARE(result, accepted);
    QCOMPARE(value, text);
    QCOMPARE(seenWhileTyping, QStringLiteral("tűz és titok 123")); // the password is shown as typed
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TstDialogs::promptRefusesCharacter256()
{
    const QString full(255, QLatin1Char('x'));
    PromptDialog d(QStringLiteral("C"), QStringLiteral("P"), QString());
    d.show();
    QTest::keyClicks(d.entry(), full);
    QCOMPARE(d.entry()->text(), full);
    QTest::keyClick(d.entry(), Qt::Key_Y);
    QCOMPARE(d.entry()->text(), full);
    QTest::keyClick(d.entry(), Qt::Key_Backspace);
    QTest::keyClick(d.entry(), Qt::Key_Y);
    QCOMPARE(d.entry()->text(), QString(254, QLatin1Char('x')) + QLatin1Char('y'));

    // A longer start text is cut to 255 characters too.
    PromptDialog longer(QStringLiteral("C"), QStringLiteral("P"), QString(300, QLatin1Char('z')));
    QCOMPARE(longer.entry()->text().size(), 255);
}

void TstDialogs::noticeLooks_data()
{
    QTest::addColumn<QString>("message");
    QTest::newRow("no save") << QStringLiteral("Nincs mentés!           .");
    QTest::newRow("wrong password") << QStringLiteral("Hibás jelszó!           .");
    QTest::newRow("long") << QString(QStringLiteral("Nagyon hosszú üzenet, amely több sorba tördelődik. ")).repeated(12);
}

void TstDialogs::noticeLooks()
{
    QFETCH(QString, message);
    NoticeDialog d(message);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.windowTitle(), QStringLiteral("Információ"));
    QCOMPARE(d.messageLabel()->text(), message); // trailing blanks and full stop kept
    QVERIFY(d.messageLabel()->font().bold());
    QCOMPARE(d.okButton()->text(), QStringLiteral("OK"));
    QVERIFY(d.okButton()->isDefault());
    QCOMPARE(d.findChildren<QPushButton *>().size(), 1);
    QVERIFY(!d.iconLabel()->pixmap().isNull());
    QVERIFY(showsWhole(d.messageLabel()));
    QVERIFY(d.rect().contains(d.okButton()->geometry()));
    QVERIFY(d.iconLabel()->geometry().right() < d.messageLabel()->geometry().left());
    QVERIFY(d.messageLabel()->geometry().bottom() < d.okButton()->geometry().top());
    // Centred button; wrapped at half the screen width.
    QVERIFY(qAbs(d.okButton()->geometry().center().x() - d.rect().center().x()) <= 1);
    QVERIFY(d.messageLabel()->width() <= d.screen()->geometry().width() / 2 + 2);
}

void TstDialogs::noticeCloses_data()
{
    QTest::addColumn<End>("end");
    QTest::newRow("Enter") << End::Enter;
    QTest::newRow("Esc") << End::Escape;
    QTest::newRow("OK clicked") << End::ClickOk;
    QTest::newRow("close box") << End::CloseBox;
}

void TstDialogs::noticeCloses()
{
    QFETCH(End, end);
    bool seen = false;
    whenModal([&](QDialog *dialog) {
        auto *notice = qobject_cast<NoticeDialog *>(dialog);
        QVERIFY(notice);
        seen = true;
        switch (end) {
        case End::Enter: QTest::keyClick(notice, Qt::Key_Return); break;
        case End::Escape: QTest::keyClick(notice, Qt::Key_Escape); break;
        case End::ClickOk: QTest::mouseClick(notice->okButton(), Qt::LeftButton); break;
        default: notice->close(); break;
        }
    });
    NoticeDialog::inform(QStringLiteral("Hibás jelszó!           ."));
    QVERIFY(seen);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TstDialogs::widgetDialogsAnswerTheCommands()
{
    QWidget owner;
    WidgetDialogs dialogs(&owner);
    vkt::Dialogs &api = dialogs;

    QString caption, prompt;
    whenModal([&](QDialog *dialog) {
        auto *p = qobject_cast<PromptDialog *>(dialog);
        QVERIFY(p);
        caption = p->windowTitle();
        prompt = p->promptLabel()->text();
        typeText(p->entry(), QStringLiteral("jelszó"));
        QTest::keyClick(p->entry(), Qt::Key_Enter);
    });
    QString text;
    QVERIFY(api.prompt(QStringLiteral("Kérek egy jelszót!"), QStringLiteral("A jelszó a későbbi visszatöltésnél kell majd:"),
                       text));
    QCOMPARE(text, QStringLiteral("jelszó"));
    QCOMPARE(caption, QStringLiteral("Kérek egy jelszót!"));
    QCOMPARE(prompt, QStringLiteral("A jelszó a későbbi visszatöltésnél kell majd:"));

    QString shown;
    whenModal([&](QDialog *dialog) {
        auto *n = qobject_cast<NoticeDialog *>(dialog);
        QVERIFY(n);
        shown = n->messageLabel()->text();
        QTest::keyClick(n, Qt::Key_Escape);
    });
    api.notice(QStringLiteral("Nincs mentés!           ."));
    QCOMPARE(shown, QStringLiteral("Nincs mentés!           ."));
}

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
