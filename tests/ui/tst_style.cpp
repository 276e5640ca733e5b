// The program's style: the platform's own style, whose overflow-button icons
// are fetched only when drawn. What must hold is that nothing looks different.

#include "ui/style.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

QImage imageOf(const QIcon &icon, int size, qreal scale = 1)
{
    return icon.pixmap(QSize(size, size), scale).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestStyle : public QObject
{
    Q_OBJECT

private slots:
    void iconsAreTheBaseStylesIcons_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("scale");
        const int menu = QStyle::SP_ToolBarHorizontalExtensionButton;
        QTest::newRow("menu overflow, 16") << menu << 16 << 1.0;
        QTest::newRow("menu overflow, 32") << menu << 32 << 1.0;
        QTest::newRow("menu overflow, 16 on a 2x screen") << menu << 16 << 2.0;
        QTest::newRow("vertical overflow") << int(QStyle::SP_ToolBarVerticalExtensionButton) << 16 << 1.0;
        QTest::newRow("other icons pass through") << int(QStyle::SP_MessageBoxCritical) << 32 << 1.0;
    }

    void iconsAreTheBaseStylesIcons()
    {
        QFETCH(int, which);
        QFETCH(int, size);
        QFETCH(qreal, scale);
        const auto pixmap = QStyle::StandardPixmap(which);
        vkt::ui::ProgramStyle style;
        const std::unique_ptr<QStyle> base(QStyleFactory::create(style.baseStyle()->name()));
        QVERIFY(base);

        const QIcon icon = style.standardIcon(pixmap);
        QVERIFY(!icon.isNull());
        const QImage expected = imageOf(base->standardIcon(pixmap), size, scale);
        QVERIFY(!expected.isNull());
        QCOMPARE(imageOf(icon, size, scale), expected);
        // A copy of the icon (its engine cloned) draws the same.
        QIcon copy = icon;
        copy.detach();
        QCOMPARE(imageOf(copy, size, scale), expected);
        QCOMPARE(icon.actualSize(QSize(size, size)), base->standardIcon(pixmap).actualSize(QSize(size, size)));
    }

    void menuThatDoesNotFitShowsTheOverflowButton()
    {
        QApplication::setStyle(new vkt::ui::ProgramStyle);
        const std::unique_ptr<QStyle> base(QStyleFactory::create(
            static_cast<QProxyStyle *>(QApplication::style())->baseStyle()->name()));
        QMainWindow window;
        for (const char *caption : {"Nyomtatás", "Űrlap mentése", "Kitöltött űrlap betöltése",
                                    "Kitöltési útmutató", "Kilépés"})
            window.menuBar()->addAction(QString::fromUtf8(caption));
        window.resize(140, 120);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto *overflow = window.menuBar()->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button"));
        QVERIFY(overflow);
        QTRY_VERIFY(overflow->isVisible());
        const QImage expected = imageOf(base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton), 16);
        QCOMPARE(imageOf(overflow->icon(), 16), expected);
        // Drawn, the button shows the icon: it looks different without it.
        const QImage drawn = overflow->grab().toImage();
        overflow->setIcon(QIcon());
        QVERIFY(overflow->grab().toImage() != drawn);
    }
};

QTEST_MAIN(TestStyle)
#include "tst_style.moc"
