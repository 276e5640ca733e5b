#include "reportfixture.h"

#include "rules/rules.h"

namespace vkt::test {

std::unique_ptr<ReturnModel> newReturn()
{
    return rules::createReturn(RegionalSettings::hungarian());
}

std::unique_ptr<ReturnModel> bareReturn()
{
    auto model = std::make_unique<ReturnModel>(RegionalSettings::hungarian());
    model->formCreate();
    return model;
}

namespace {
void enter(ReturnModel &m, const char *name, const QString &text)
{
    Field &f = m.field(QLatin1String(name));
    f.setText(text);
    if (f.kind() == FieldKind::NumEdit)
        f.leave();
}
} // namespace

void fillCompletely(ReturnModel &m)
{
    enter(m, "Edit1", QStringLiteral("Kerekvárdai Fűszer- és Gyarmatáru Kereskedelmi Kft."));
    enter(m, "Edit2", QStringLiteral("9999 Kerekvárda, Kossuth Lajos utca 112/B. II. emelet 4."));
    enter(m, "Edit3", QStringLiteral("9999 Kerekvárda, Ipartelep 7."));
    enter(m, "Edit4", QStringLiteral("9999 Kerekvárda, Pf. 21."));
    enter(m, "Edit5", QStringLiteral("12345678-2-08"));
    enter(m, "Edit6", QStringLiteral("12345678-4690-113-08"));
    enter(m, "Edit7", QStringLiteral("8312345678"));
    enter(m, "Edit8", QStringLiteral("11737007-20123456-00000000"));
    enter(m, "Edit9", QStringLiteral("Szabó Erzsébet, +36 30 123 4567"));
    m.field(u"DateTimePicker1").setDate(QDate(2001, 4, 17));
    m.field(u"LMDCheckGroup1").setChecked(4, true);
    m.field(u"LMDRadioGroup3").choose(1);
    m.field(u"LMDRadioGroup4").choose(1);
    m.field(u"LMDRadioGroup5").choose(3);
    m.field(u"LMDRadioGroup6").choose(1);
    m.field(u"LMDCheckBox1").setChecked(true);

    // Section V.
    enter(m, "PBNumEdit30", QStringLiteral("987654321"));
    enter(m, "PBNumEdit31", QStringLiteral("1234567"));
    enter(m, "PBNumEdit32", QStringLiteral("2345678"));
    enter(m, "PBNumEdit33", QStringLiteral("345678"));
    enter(m, "PBNumEdit34", QStringLiteral("45678"));
    enter(m, "PBNumEdit2", QStringLiteral("123456789"));
    enter(m, "PBNumEdit3", QStringLiteral("23456789"));
    enter(m, "PBNumEdit4", QStringLiteral("3456789"));
    enter(m, "PBNumEdit5", QStringLiteral("45678901"));
    enter(m, "PBNumEdit7", QStringLiteral("1500000"));
    enter(m, "PBNumEdit8", QStringLiteral("250000"));
    enter(m, "PBNumEdit12", QStringLiteral("125000"));
    enter(m, "PBNumEdit10", QStringLiteral("700000000"));
    enter(m, "PBNumEdit11", QStringLiteral("0"));
    enter(m, "PBNumEdit16", QStringLiteral("50000"));
    enter(m, "PBNumEdit17", QStringLiteral("12000"));
    enter(m, "PBNumEdit19", QStringLiteral("9000000"));
    enter(m, "PBNumEdit20", QStringLiteral("1000000"));
    enter(m, "PBNumEdit28", QStringLiteral("30000"));

    // Section VI.
    enter(m, "PBNumEdit72", QStringLiteral("2100000"));
    enter(m, "PBNumEdit73", QStringLiteral("3200000"));
    enter(m, "PBNumEdit22", QStringLiteral("3200000"));

    // Sheets "A" to "D" and "F".
    const char *const sheets[] = {"PBNumEdit36", "PBNumEdit37", "PBNumEdit38", "PBNumEdit39", "PBNumEdit41",
                                  "PBNumEdit40", "PBNumEdit42", "PBNumEdit44", "PBNumEdit45", "PBNumEdit47",
                                  "PBNumEdit48", "PBNumEdit49", "PBNumEdit46", "PBNumEdit50", "PBNumEdit52",
                                  "PBNumEdit53", "PBNumEdit54", "PBNumEdit55", "PBNumEdit56", "PBNumEdit58",
                                  "PBNumEdit62", "PBNumEdit59", "PBNumEdit61", "PBNumEdit60", "PBNumEdit63",
                                  "PBNumEdit67", "PBNumEdit65", "PBNumEdit66", "PBNumEdit68", "PBNumEdit64",
                                  "PBNumEdit70", "PBNumEdit71"};
    int k = 1;
    for (const char *name : sheets) {
        enter(m, name, QString::number(1000000LL * (40 - k) + 12345LL * k));
        ++k;
    }
    // Sheet "A" and "B" need a non-zero 911 of their own.
    for (const char *name : {"PBNumEdit35", "PBNumEdit43", "PBNumEdit51", "PBNumEdit57"})
        if (m.field(QLatin1String(name)).value() == 0)
            enter(m, name, QStringLiteral("123456789"));

    // Sheet "E": the simplified bases.
    enter(m, "PBNumEdit23", QStringLiteral("4500000"));
    enter(m, "PBNumEdit26", QStringLiteral("3900000"));
    enter(m, "PBNumEdit69", QStringLiteral("2750000"));

    // Sheet "G": ten subcontractors.
    Field &g = m.field(u"AdvStringGrid2");
    for (int row = 1; row <= 10; ++row) {
        g.setCell(1, row, QStringLiteral("Alvállalkozó Építőipari Bt. %1").arg(row));
        g.setCell(2, row, QStringLiteral("9999 Kerekvárda, Fő utca %1.").arg(row * 3));
        g.setCell(3, row, QStringLiteral("2%1345678-2-08").arg(row % 10));
        g.setCell(4, row, QString::number(1250000 * row));
    }
    // Sheet "H": option 3 with both amounts, three public debts.
    m.field(u"LMDRadioGroup1").choose(2);
    enter(m, "PBNumEdit75", QStringLiteral("1500000"));
    enter(m, "PBNumEdit76", QStringLiteral("250000"));
    Field &h = m.field(u"AdvStringGrid1");
    const char *const institutions[] = {"NAV Nyugat-dunántúli Regionális Igazgatósága", "Kerekvárda Város Önkormányzata", "Vám- és Pénzügyőrség"};
    const char *const kinds[] = {"általános forgalmi adó", "gépjárműadó", "jövedéki adó"};
    for (int row = 1; row <= 3; ++row) {
        h.setCell(1, row, QString::fromUtf8(institutions[row - 1]));
        h.setCell(2, row, QString::fromUtf8(kinds[row - 1]));
        h.setCell(3, row, QString::number(83000 * row));
        h.setCell(4, row, QStringLiteral("10032000-0128%1000-00000000").arg(row));
    }
}

QDateTime fixedNow()
{
    return QDateTime(QDate(2010, 3, 1), QTime(10, 30));
}

} // namespace vkt::test
