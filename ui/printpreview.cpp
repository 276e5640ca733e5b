#include "ui/printpreview.h"

#include "report/renderer.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace vkt::ui {

namespace {

PrintFailurePresenter &failurePresenter()
{
    static PrintFailurePresenter presenter;
    return presenter;
}

PreviewPresenter &previewPresenter()
{
    static PreviewPresenter presenter;
    return presenter;
}

void showFailure(QWidget *parent, const QString &text)
{
    if (failurePresenter()) {
        failurePresenter()(parent, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Hiba"), text, QMessageBox::Ok, parent);
    box.exec();
}

void showPreview(QWidget *parent, const report::PreparedReport &report)
{
    if (previewPresenter()) {
        previewPresenter()(parent, report);
        return;
    }
    PrintPreviewDialog dialog(report, parent);
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
}

constexpr int kPageGap = 16; // pixels between and around the pages

} // namespace

void setPrintFailurePresenter(PrintFailurePresenter presenter)
{
    failurePresenter() = std::move(presenter);
}

void setPreviewPresenter(PreviewPresenter presenter)
{
    previewPresenter() = std::move(presenter);
}

void runPrintCommand(QWidget *parent, ReturnModel &model, QString &printIdentifier)
{
    try {
        report::updatePrintIdentifier(model, printIdentifier);
        const report::PreparedReport prepared =
            report::prepareReport(model, printIdentifier, QDateTime::currentDateTime());
        if (!prepared.ok) {
            showFailure(parent, prepared.errorMessage());
            return;
        }
        showPreview(parent, prepared);
    } catch (const std::exception &e) {
        report::PreparedReport failed;
        failed.errors << QString::fromLocal8Bit(e.what());
        showFailure(parent, failed.errorMessage());
    } catch (...) {
        report::PreparedReport failed;
        failed.errors << QStringLiteral("Ismeretlen hiba");
        showFailure(parent, failed.errorMessage());
    }
}

// --- The pages of the preview ------------------------------------------

class PreviewPages : public QWidget {
public:
    PreviewPages(const report::PreparedReport &report, QWidget *parent)
        : QWidget(parent), m_report(report)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        relayout();
    }

    int zoom() const { return m_zoom; }
    void setZoom(int percent)
    {
        m_zoom = std::clamp(percent, 10, 400);
        relayout();
        update();
    }

    // Screen pixels per pixel of 1/96 inch at the current zoom.
    double scale() const { return m_zoom / 100.0 * logicalDpiX() / 96.0; }

    QRectF pageRect(std::size_t i) const { return m_rects.at(i); }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(128, 128, 128));
        for (std::size_t i = 0; i < m_report.pages.size(); ++i) {
            const QRectF r = m_rects[i];
            if (!r.intersects(event->rect()))
                continue;
            painter.fillRect(r.translated(3, 3), QColor(64, 64, 64));
            painter.fillRect(r, Qt::white);
            painter.save();
            painter.setClipRect(r);
            painter.translate(r.topLeft());
            painter.scale(scale(), scale());
            report::renderPage(painter, m_report.pages[i]);
            painter.restore();
        }
    }

private:
    void relayout()
    {
        m_rects.clear();
        double y = kPageGap, width = 0;
        for (const report::PreparedPage &page : m_report.pages) {
            const QSizeF mm = page.page->paperMm;
            const QSizeF size(mm.width() * report::kPixelsPerMm * scale(), mm.height() * report::kPixelsPerMm * scale());
            m_rects.emplace_back(QPointF(0, y), size);
            y += size.height() + kPageGap;
            width = std::max(width, size.width());
        }
        const double total = width + 2 * kPageGap;
        for (QRectF &r : m_rects)
            r.moveLeft((total - r.width()) / 2);
        setFixedSize(int(std::ceil(total)), int(std::ceil(y)));
    }

    const report::PreparedReport &m_report;
    int m_zoom = 100;
    std::vector<QRectF> m_rects;
};

PrintPreviewDialog::PrintPreviewDialog(const report::PreparedReport &report, QWidget *parent)
    : QDialog(parent), m_report(report)
{
    setWindowTitle(QStringLiteral("Előnézet"));
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_print = bar->addAction(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Nyomtatás"));
    m_print->setObjectName(QStringLiteral("printAction"));
    m_print->setShortcut(QKeySequence::Print);
    connect(m_print, &QAction::triggered, this, &PrintPreviewDialog::print);
    bar->addSeparator();
    m_zoom = new QComboBox(bar);
    m_zoom->setObjectName(QStringLiteral("zoomBox"));
    m_zoom->setToolTip(QStringLiteral("Nagyítás"));
    for (int percent : {25, 50, 75, 100, 125, 150, 200, 300, 400})
        m_zoom->addItem(QStringLiteral("%1%").arg(percent), percent);
    bar->addWidget(m_zoom);
    layout->addWidget(bar);

    m_scroll = new QScrollArea(this);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_pages = new PreviewPages(report, m_scroll);
    m_scroll->setWidget(m_pages);
    layout->addWidget(m_scroll, 1);

    connect(m_zoom, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_pages->setZoom(m_zoom->itemData(index).toInt()); });
    m_zoom->setCurrentIndex(m_zoom->findData(100));
    resize(1000, 800);
}

PrintPreviewDialog::~PrintPreviewDialog() = default;

int PrintPreviewDialog::zoomPercent() const
{
    return m_pages->zoom();
}

void PrintPreviewDialog::setZoomPercent(int percent)
{
    const int index = m_zoom->findData(percent);
    if (index >= 0)
        m_zoom->setCurrentIndex(index);
    else
        m_pages->setZoom(percent);
}

QWidget *PrintPreviewDialog::pagesWidget() const
{
    return m_pages;
}

void PrintPreviewDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setCollateCopies(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFromTo(1, int(m_report.pages.size()));
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, int(m_report.pages.size()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = 0, to = -1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = printer.fromPage() - 1;
        to = printer.toPage() - 1;
    }
    if (!report::paintReport(printer, m_report, from, to))
        QMessageBox::critical(this, QStringLiteral("Hiba"), QStringLiteral("A nyomtatás nem sikerült."));
}

} // namespace vkt::ui
