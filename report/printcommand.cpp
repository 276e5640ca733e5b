#include "report/printcommand.h"

#include "model/error.h"
#include "report/renderer.h"
#include "report/valueprovider.h"

#include <QFile>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#if defined(__i386__) || defined(__x86_64__)
#include <cpuid.h>
#define VKT_HAVE_CPUID 1
#endif

namespace vkt::report {

// --- Print identifier ---------------------------------------------------

QString processorDigits()
{
#ifdef VKT_HAVE_CPUID
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx))
        return QString::number(ecx) + QString::number(ebx) + QString::number(edx) + QString::number(eax);
#endif
    QFile midr(QStringLiteral("/sys/devices/system/cpu/cpu0/regs/identification/midr_el1"));
    if (midr.open(QIODevice::ReadOnly)) {
        bool ok = false;
        const qulonglong value = midr.readAll().trimmed().toULongLong(&ok, 0);
        if (ok)
            return QString::number(value);
    }
    return QStringLiteral("000000");
}

namespace {

// Unicode of the Windows-1250 codes 0x80 to 0xFF (0: not in the code page).
constexpr char16_t kCp1250High[128] = {
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

std::uint32_t cp1250Code(char32_t c)
{
    if (c < 0x80)
        return c;
    for (int i = 0; i < 128; ++i)
        if (kCp1250High[i] == c && c != 0)
            return 0x80 + i;
    return '?';
}

} // namespace

std::uint32_t nameChecksum(const QString &name)
{
    std::uint32_t sum = 0;
    bool first = true;
    for (char32_t c : name.toUcs4()) {
        const std::uint32_t code = cp1250Code(c);
        sum += first ? 2 * code : code; // the first character counts twice
        first = false;
    }
    return sum;
}

QString printIdentifierFor(const QString &name, const QString &processor)
{
    return processor.right(6) + QString::number(nameChecksum(name), 16).toUpper();
}

void updatePrintIdentifier(const ReturnModel &model, QString &printIdentifier)
{
    const QString name = model.field(u"Edit1").text();
    if (!name.isEmpty())
        printIdentifier = printIdentifierFor(name, processorDigits());
}

// --- Pages and X marks ----------------------------------------------------

const std::array<const char *, kReportPageCount> &reportPageNames()
{
    static const std::array<const char *, kReportPageCount> names = {
        "Page1", "Page2", "Page2b", "Page5", "Page6", "Page7", "Page8", "Page4", "Page9", "Page11", "Page10"};
    return names;
}

bool PrintSelection::isLineShown(const QString &name) const
{
    return shownLines.contains(name, Qt::CaseInsensitive);
}

PrintSelection frxReport1BeforePrint(const ReturnModel &model)
{
    PrintSelection s;
    // The main sheet's pages are always printed; the eight sheet pages and
    // every X mark start hidden.
    s.pageVisible = {true, true, true, false, false, false, false, false, false, false, false};

    auto index = [&](const char *name) { return model.field(QLatin1String(name)).itemIndex(); };
    auto notZero = [&](const char *name) { return model.field(QLatin1String(name)).value() != 0; };
    auto anyNotZero = [&](std::initializer_list<const char *> names) {
        for (const char *n : names) // tested in this order; the first non-zero ends it
            if (notZero(n))
                return true;
        return false;
    };
    auto show = [&](const char *a, const char *b, int page = -1) {
        s.shownLines << QLatin1String(a) << QLatin1String(b);
        if (page >= 0)
            s.pageVisible[page] = true;
    };

    if (index("LMDRadioGroup5") == 0) show("Line78", "Line79");   // 6.1 a.
    if (index("LMDRadioGroup6") == 0) show("Line82", "Line83");   // 6.2 a.
    if (index("LMDRadioGroup5") == 1) show("Line80", "Line81");   // 6.1 b.
    if (index("LMDRadioGroup5") == 2) show("Line56", "Line8");    // 6.3 a.
    if (index("LMDRadioGroup6") == 2) show("Line57", "Line58");   // 6.4 b.
    if (index("LMDRadioGroup6") == 1) show("Line84", "Line85");   // 6.2 b.
    if (model.field(u"LMDCheckBox1").isChecked()) show("Line89", "Line90"); // 11.
    if (notZero("PBNumEdit35")) show("Line138", "Line139", 3);   // sheet "A"
    if (notZero("PBNumEdit43")) show("Line64", "Line65", 4);     // sheet "B"
    if (notZero("PBNumEdit51")) show("Line66", "Line67", 5);     // sheet "C"
    if (notZero("PBNumEdit57")) show("Line68", "Line69", 6);     // sheet "D"
    if (anyNotZero({"PBNumEdit63", "PBNumEdit67", "PBNumEdit65", "PBNumEdit66", "PBNumEdit68",
                    "PBNumEdit64", "PBNumEdit70", "PBNumEdit71"}))
        show("Line72", "Line73", 8);                               // sheet "F"
    if (anyNotZero({"PBNumEdit74", "PBNumEdit75", "PBNumEdit76", "PBNumEdit77"})
        || !model.field(u"AdvStringGrid1").cell(1, 1).isEmpty())
        show("Line76", "Line77", 10);                              // sheet "H"
    if (!model.field(u"AdvStringGrid2").cell(1, 1).isEmpty())
        show("Line74", "Line75", 9);                               // sheet "G"
    if (anyNotZero({"PBNumEdit23", "PBNumEdit26", "PBNumEdit69"}))
        show("Line70", "Line71", 7);                               // sheet "E"
    return s;
}

// --- The prepared report --------------------------------------------------

QStringList PreparedReport::pageNames() const
{
    QStringList names;
    for (const PreparedPage &p : pages)
        names << p.page->name;
    return names;
}

QString PreparedReport::errorMessage() const
{
    return QStringLiteral("A következő hiba történt:\n") + errors.join(QLatin1Char('\n'));
}

const std::vector<PageTemplate> &reportTemplates()
{
    static const std::vector<PageTemplate> templates = loadPageTemplates();
    return templates;
}

PreparedReport prepareReport(const ReturnModel &model, const QString &printIdentifier, const QDateTime &now)
{
    PreparedReport report;
    report.barcodeText = printIdentifier;
    try {
        const std::vector<PageTemplate> &templates = reportTemplates();
        const PrintSelection selection = frxReport1BeforePrint(model);

        // The shown X mark lines in the order of the templates.
        for (const PageTemplate &page : templates)
            for (const Line &line : page.lines)
                if (!line.isRule() && selection.isLineShown(line.name))
                    report.shownMarks << line.name;

        for (const PageTemplate &page : templates) {
            if (page.index < 0 || page.index >= kReportPageCount || !selection.pageVisible[page.index])
                continue;
            PreparedPage prepared;
            prepared.page = &page;
            for (const Line &line : page.lines)
                if (!line.isRule() && selection.isLineShown(line.name))
                    prepared.shownLines << line.name;
            prepared.texts.reserve(page.texts.size());
            for (const TextBox &box : page.texts) {
                QString unknown;
                QString text = expandSlots(box.text, [&](const QString &name) -> std::optional<QString> {
                    std::optional<QString> value = frxReport1GetValue(model, name, printIdentifier, now);
                    if (!value && unknown.isEmpty())
                        unknown = name;
                    return value;
                });
                if (!unknown.isEmpty())
                    throw Error(QStringLiteral("Ismeretlen mező vagy változó: %1").arg(unknown));
                prepared.texts.push_back(std::move(text));
            }
            report.pages.push_back(std::move(prepared));
        }
        report.ok = true;
    } catch (const Error &e) {
        report.ok = false;
        report.errors << e.message();
        report.pages.clear();
        report.shownMarks.clear();
    }
    return report;
}

bool paintReport(QPagedPaintDevice &device, const PreparedReport &report, int from, int to)
{
    const int last = int(report.pages.size()) - 1;
    if (to < 0 || to > last)
        to = last;
    from = std::max(from, 0);
    if (from > to)
        return true;
    device.setPageLayout(pageLayoutOf(*report.pages[from].page));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int i = from; i <= to; ++i) {
        if (i > from) {
            device.setPageLayout(pageLayoutOf(*report.pages[i].page));
            device.newPage();
        }
        painter.save();
        // One unit is one pixel of 1/96 inch from the paper's corner.
        painter.scale(device.logicalDpiX() / 96.0, device.logicalDpiY() / 96.0);
        renderPage(painter, report.pages[i]);
        painter.restore();
    }
    return painter.end();
}

bool writePdf(const PreparedReport &report, const QString &fileName, QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Nem hozható létre a fájl: %1 (%2)").arg(fileName, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setCreator(QStringLiteral("VKT10002"));
        writer.setTitle(QStringLiteral("Helyi iparűzési adóbevallás"));
        if (!paintReport(writer, report)) {
            if (error)
                *error = QStringLiteral("A PDF nem írható: %1").arg(fileName);
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("Nem írható a fájl: %1 (%2)").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

} // namespace vkt::report
