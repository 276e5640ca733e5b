#pragma once

// The print command without its windows: the print identifier, the choice of
// pages and X marks (frxReport1BeforePrint), the preparation of the report
// and the writing of the prepared pages.

#include "model/returnmodel.h"
#include "report/templates/pagetemplate.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

class QPagedPaintDevice;

namespace vkt::report {

// --- Print identifier ---------------------------------------------------

// The processor's identification values of CPUID leaf 1, ECX, EBX, EDX and
// EAX in this order, each as an unsigned decimal number, concatenated. The
// last six characters come mostly from EAX, the version signature.
// Where CPUID is not available: on Linux the main ID register of cpu0 in
// decimal (/sys/devices/system/cpu/cpu0/regs/identification/midr_el1),
// otherwise "000000".
QString processorDigits();

// The sum of the Windows-1250 codes of the name's characters, the first
// counted twice (a character outside the code page counts as '?').
// "AB" -> 196.
std::uint32_t nameChecksum(const QString &name);

// The last six characters of `processor` (all of them when shorter) and the
// checksum of `name` in upper-case hexadecimal. `name` must not be empty.
QString printIdentifierFor(const QString &name, const QString &processor);

// Step 1 of the print command: when the taxpayer's name (Edit1) is not
// empty, sets `printIdentifier` to its identifier on this processor;
// otherwise leaves it as it is.
void updatePrintIdentifier(const ReturnModel &model, QString &printIdentifier);

// --- Pages and X marks ----------------------------------------------------

inline constexpr int kReportPageCount = 11;

// The pages in report order: Page1, Page2, Page2b, Page5 (A), Page6 (B),
// Page7 (C), Page8 (D), Page4 (E), Page9 (F), Page11 (G), Page10 (H).
const std::array<const char *, kReportPageCount> &reportPageNames();

struct PrintSelection {
    std::array<bool, kReportPageCount> pageVisible{}; // by report index
    QStringList shownLines; // X mark lines shown, in the order the rules show them
    bool isLineShown(const QString &name) const; // letter case ignored
};

// The main sheet's three pages are always printed. The fifteen rules, in
// order, show the X marks of the statements and of the sheets in use and the
// pages of those sheets. Throws vkt::Error when a number does not read.
PrintSelection frxReport1BeforePrint(const ReturnModel &model);

// --- The prepared report --------------------------------------------------

struct PreparedPage {
    const PageTemplate *page = nullptr;
    std::vector<QString> texts; // the text of each TextBox (same index), slots replaced
    QStringList shownLines;     // the X mark diagonals of this page that are drawn
};

struct PreparedReport {
    bool ok = false;
    QStringList errors;                // when !ok: what went wrong
    std::vector<PreparedPage> pages;   // the visible pages in report order
    QStringList shownMarks;            // shown X mark lines in template order
    QString barcodeText;               // BarCode1 (hidden; it is never drawn)

    QStringList pageNames() const;
    // The text of the error box: "A következő hiba történt:" and, on the
    // next lines, the collected errors.
    QString errorMessage() const;
};

// The eleven page templates, read once.
const std::vector<PageTemplate> &reportTemplates();

// Prepares the report: runs frxReport1BeforePrint, then renders the text of
// every visible page in page order, asking the value provider for each slot.
// The first failure ends the preparation (ok false, errors set). Reads only.
PreparedReport prepareReport(const ReturnModel &model, const QString &printIdentifier,
                             const QDateTime &now);

// Draws the prepared pages on a paged device (a PDF writer or a printer),
// A4, portrait or landscape as each page says, from page `from` to `to`
// (0-based, inclusive; -1: the last). The device is painted from the
// paper's corner (no device margins).
bool paintReport(QPagedPaintDevice &device, const PreparedReport &report, int from = 0, int to = -1);

// Writes the prepared pages to a PDF file (replaced as a whole). Returns
// false and sets `error` when the file cannot be written.
bool writePdf(const PreparedReport &report, const QString &fileName, QString *error = nullptr);

} // namespace vkt::report
