#pragma once

// The print command of the main window ("Nyomtatás") and its preview.

#include "model/returnmodel.h"
#include "report/printcommand.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QScrollArea;
class QAction;

namespace vkt::ui {

// Nyomtats1Click: sets the print identifier from the taxpayer's name and the
// processor (an empty name keeps the last one), prepares the report and shows
// the preview, modal and maximised, until the user closes it. A preparation
// that fails shows the "Hiba" box with the collected errors and no preview.
// Changes no field; never throws.
void runPrintCommand(QWidget *parent, ReturnModel &model, QString &printIdentifier);

// Test hooks: replace the "Hiba" box and the modal preview. An empty
// function restores the real ones.
using PrintFailurePresenter = std::function<void(QWidget *parent, const QString &text)>;
void setPrintFailurePresenter(PrintFailurePresenter presenter);
using PreviewPresenter = std::function<void(QWidget *parent, const report::PreparedReport &report)>;
void setPreviewPresenter(PreviewPresenter presenter);

class PreviewPages;

// The preview window: the prepared pages one under the other, a tool bar
// with the print button and the zoom only.
class PrintPreviewDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintPreviewDialog(const report::PreparedReport &report, QWidget *parent = nullptr);
    ~PrintPreviewDialog() override;

    int zoomPercent() const;
    void setZoomPercent(int percent);
    QAction *printAction() const { return m_print; }
    QComboBox *zoomBox() const { return m_zoom; }
    QWidget *pagesWidget() const;

public slots:
    // Opens the print dialog and prints the chosen pages (all by default,
    // one copy, collated).
    void print();

private:
    const report::PreparedReport &m_report;
    QAction *m_print = nullptr;
    QComboBox *m_zoom = nullptr;
    QScrollArea *m_scroll = nullptr;
    PreviewPages *m_pages = nullptr;
};

} // namespace vkt::ui
