#include "report/templates/pagetemplate.h"

#include <QTest>

using namespace vkt::report;

class TestPageTemplates : public QObject {
    Q_OBJECT
private slots:
    void allPagesLoad()
    {
        const auto pages = loadPageTemplates();
        QCOMPARE(pages.size(), size_t(11));
    }
};

QTEST_GUILESS_MAIN(TestPageTemplates)
#include "tst_pagetemplates.moc"
