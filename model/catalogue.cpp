#include "catalogue.h"

#include <vector>

namespace vkt {

namespace {

QString blanks(int n)
{
    return QString(n, QLatin1Char(' '));
}

QString u(const char *text)
{
    return QString::fromUtf8(text);
}

FieldSpec edit(int order, const char *name, const char *container, const char *text = "")
{
    FieldSpec s{};
    s.order = order;
    s.name = name;
    s.kind = FieldKind::Edit;
    s.container = container;
    s.handler = "";
    s.enabled = true;
    s.visible = true;
    s.text = text;
    s.itemIndex = -1;
    return s;
}

FieldSpec num(int order, const char *name, const char *container, bool enabled, const char *handler = "")
{
    FieldSpec s = edit(order, name, container);
    s.kind = FieldKind::NumEdit;
    s.handler = handler;
    s.enabled = enabled;
    return s;
}

FieldSpec picker(int order, const char *name, const char *container, QDate date, QDate min = {}, QDate max = {})
{
    FieldSpec s = edit(order, name, container);
    s.kind = FieldKind::DateTimePicker;
    s.date = date;
    s.minDate = min;
    s.maxDate = max;
    return s;
}

FieldSpec radio(int order, const char *name, const char *container, bool enabled, int index,
                QStringList items, const char *handler = "", int columns = 1)
{
    FieldSpec s = edit(order, name, container);
    s.kind = FieldKind::RadioGroup;
    s.enabled = enabled;
    s.itemIndex = index;
    s.items = std::move(items);
    s.handler = handler;
    s.columns = columns;
    return s;
}

FieldSpec grid(int order, const char *name, const char *container, int columns, int rows, QStringList captions)
{
    FieldSpec s = edit(order, name, container);
    s.kind = FieldKind::StringGrid;
    s.columnCount = columns;
    s.rowCount = rows;
    s.items = std::move(captions);
    return s;
}

std::vector<FieldSpec> buildCatalogue()
{
    std::vector<FieldSpec> c;
    c.reserve(108);
    const char *v = "Panel6";  // section V
    const char *vi = "Panel16"; // section VI

    // Window top: the focus holder.
    c.push_back(edit(1, "Edit11", "Form1", "Edit11"));

    // Section I, "I. AZONOSITÓ ADATOK".
    c.push_back(edit(2, "Edit1", "Panel2"));
    c.push_back(edit(3, "Edit2", "Panel2"));
    c.push_back(edit(4, "Edit3", "Panel2"));
    c.push_back(edit(5, "Edit4", "Panel2"));
    c.push_back(edit(6, "Edit5", "Panel2"));
    c.push_back(edit(7, "Edit6", "Panel2"));
    c.push_back(edit(8, "Edit7", "Panel2"));
    c.push_back(edit(9, "Edit8", "Panel2"));
    c.push_back(edit(10, "Edit9", "Panel2"));
    c.push_back(picker(11, "DateTimePicker1", "Panel2", QDate(2008, 1, 1)));

    // Section II, "II. BEVALLÁS JELLEGE".
    c.push_back(radio(12, "LMDRadioGroup2", "Panel3", false, -1,
                      {u("Felszámolás"), u("Végelszámolás"), u("Átalakulás"),
                       u("A tevékenység saját elhatározásából történő megszüntetése"),
                       u("Hatósági megszüntetés"),
                       u("Előtársaságként működő társaság cégbejegyzés iránti kérelmét elutasították vagy "
                         "kérelmét a bejegyzés előtt visszavonta"),
                       u("Székhely áthelyezése "), u("Telephely megszüntetése"),
                       u("Egyszerűsített vállalkozói adó alanyiság megszűnése"),
                       u("A települési önkormányzat adórendeletének hatályon kívül helyezése "),
                       u("Egyéb")}));
    const QDate jan1(2009, 1, 1), dec31(2009, 12, 31);
    c.push_back(picker(13, "DateTimePicker2", "Panel3", jan1, jan1, dec31));
    c.push_back(picker(14, "DateTimePicker3", "Panel3", dec31, jan1, dec31));
    {
        FieldSpec s = edit(15, "LMDCheckGroup1", "Panel3");
        s.kind = FieldKind::CheckGroup;
        s.handler = "LMDCheckGroup1Click";
        s.items = {u("Éves bevallás"), u("Záró bevallás"), u("Előtársasági bevallás"),
                   u("Naptári évtől eltérő üzleti évet választó adózó bevallása"),
                   u("Évközben kezdő adózó bevallása"),
                   u("Naptári évtől eltérő üzleti évet választó adózó áttérésének évérol készült évközi "
                     "bevallása") + blanks(5),
                   u("A személyi jövedelemadóról szóló törvény szerint mezőgazdasági őstermelő bevallása")
                       + blanks(10),
                   u("A Htv. 37. § (2) b) pontja alapján állandó jellegű iparűzési tevékenységgé váló "
                     "tevékenység után benyújtott") + blanks(3)};
        c.push_back(s);
    }

    // Section III: the simplified methods for 2009 and 2010.
    c.push_back(radio(16, "LMDRadioGroup5", "Panel4", true, 0,
                      {u("A 2009. adóévre az adóalap egyszerűsített meghatározási módját választottam, és a "
                         "személyi jövedelemadóban átalányadózást") + blanks(8)
                           + u("választó adózó vagyok ( az adó alapja a személyi jövedelemadóról szóló törvény "
                               "szerinti átalányadó alapjának 20 %-kal növelt") + blanks(9) + u("összege)"),
                       u("Más vállalkozó vagyok, akinek 2008. adóévben a nettó árbevétele a 4 millió Ft-ot nem "
                         "haladta meg (az adó alapja a nettó árbevétel 80 %-a)."),
                       u("A 2009. adóévben, mint az egyszerűsített vállalkozói adó alanya az adóalap "
                         "egyszerűsített megállapítási módját választottam"),
                       u("Nem választok egyszerűsített meghatározási módot")},
                      "LMDRadioGroup5Click"));
    c.push_back(radio(17, "LMDRadioGroup6", "Panel4", true, 0,
                      {u("A 2010 adóévre az adóalap egyszerűsített meghatározási módját választom, és a "
                         "személyi jövedelemadóban átalányadózást választó adózó vagyok (az adó alapja a "
                         "személyi jövedelemadóról szóló törvény szerinti átalányadó alapjának 20 %-kal növelt "
                         "összege)"),
                       u("Más vállalkozó vagyok, akinek 2009. adóévben a nettó árbevétele a 4 millió Ft-ot nem "
                         "haladta meg (az adó alapja a nettó árbevétel 80 %-a)"),
                       u("A 2010. adóévre, mint az egyszerűsített vállalkozói adó alanya az iparűzési adónál az "
                         "egyszerűsített adóalap meghatározási módot választom"),
                       u("Nem választok egyszerűsített meghatározási módot")}));

    // Section IV, "IV. EGYÉB ADATOK".
    c.push_back(radio(18, "LMDRadioGroup3", "Panel5", true, 0,
                      {u("Egyszeres"), u("Kettos"), u("Bevételi és költségnyilvántartás"),
                       u("Bevételi nyilvántartás")}));
    c.push_back(radio(19, "LMDRadioGroup4", "Panel5", true, 4,
                      {u("személyi jellegű ráfordítással arányos"), u("eszközérték arányos"),
                       u("személyi jellegű ráfordítás és eszközérték arányos együtt"),
                       u("Htv. 3. számú melléklet 2.2. pontja szerinti megosztás"), u("nincs megosztás")},
                      "LMDRadioGroup4Change", 2));

    // Section VII comes before V and VI in the component order.
    {
        FieldSpec s = edit(20, "LMDCheckBox1", "Panel7");
        s.kind = FieldKind::CheckBox;
        c.push_back(s);
    }

    // Section V, "V. AZ ADÓ KISZÁMITÁSA".
    const char *rows = "PBNumEdit2Change";
    const char *revenue = "PBNumEdit30Change";
    c.push_back(num(21, "PBNumEdit1", v, false));         // 911
    c.push_back(num(22, "PBNumEdit2", v, true, rows));    // 912
    c.push_back(num(23, "PBNumEdit3", v, true, rows));    // 913
    c.push_back(num(24, "PBNumEdit4", v, true, rows));    // 9131
    c.push_back(num(25, "PBNumEdit5", v, true, rows));    // 914
    c.push_back(num(26, "PBNumEdit6", v, false));         // 915
    c.push_back(num(27, "PBNumEdit7", v, true, rows));    // 916
    c.push_back(num(28, "PBNumEdit8", v, true, rows));    // 917
    c.push_back(num(29, "PBNumEdit9", v, false));         // 919
    c.push_back(num(30, "PBNumEdit10", v, true, rows));   // 920
    c.push_back(num(31, "PBNumEdit11", v, true, rows));   // 921
    c.push_back(num(32, "PBNumEdit14", v, true, rows));   // 922
    c.push_back(num(33, "PBNumEdit15", v, false));        // 923
    c.push_back(num(34, "PBNumEdit16", v, true, rows));   // 924
    c.push_back(num(35, "PBNumEdit17", v, true, rows));   // 925
    c.push_back(num(36, "PBNumEdit18", v, false));        // 926
    c.push_back(num(37, "PBNumEdit19", v, true, rows));   // 927
    c.push_back(num(38, "PBNumEdit20", v, true, rows));   // 928
    c.push_back(num(39, "PBNumEdit21", v, false));        // 929
    c.push_back(num(40, "PBNumEdit28", v, true, rows));   // 10
    c.push_back(num(41, "PBNumEdit12", v, true, rows));   // 918
    c.push_back(num(42, "PBNumEdit30", v, false, revenue)); // 9111
    c.push_back(num(43, "PBNumEdit31", v, false, revenue)); // 9112
    c.push_back(num(44, "PBNumEdit32", v, false, revenue)); // 9113
    c.push_back(num(45, "PBNumEdit33", v, false, revenue)); // 9114
    c.push_back(num(46, "PBNumEdit34", v, true, revenue));  // 9115
    {
        FieldSpec s = num(47, "PBNumEdit29", v, false);     // the 911 working value, never shown
        s.visible = false;
        c.push_back(s);
    }

    // Section VI, "VI. ADÓELŐLEG BEVALLÁS".
    c.push_back(picker(48, "DateTimePicker4", vi, QDate(2010, 7, 1), QDate(2010, 7, 1), QDate(2011, 3, 15)));
    c.push_back(picker(49, "DateTimePicker5", vi, QDate(2011, 6, 30), QDate(2009, 1, 1), QDate(2015, 12, 31)));
    c.push_back(picker(50, "DateTimePicker6", vi, QDate(2010, 3, 16), QDate(2010, 1, 1), QDate(2015, 1, 1)));
    c.push_back(num(51, "PBNumEdit72", vi, true, "PBNumEdit72Change"));
    c.push_back(picker(52, "DateTimePicker7", vi, QDate(2010, 9, 15), QDate(2010, 1, 1), QDate(2015, 12, 31)));
    c.push_back(num(53, "PBNumEdit73", vi, false, rows));
    c.push_back(picker(54, "DateTimePicker8", vi, QDate(2011, 3, 15), QDate(2010, 1, 1), QDate(2015, 12, 31)));
    c.push_back(num(55, "PBNumEdit22", vi, false, rows));

    // Sheet "A".
    const char *a = "PBNumEdit35Change";
    c.push_back(num(56, "PBNumEdit35", "Panel9", false));
    c.push_back(num(57, "PBNumEdit36", "Panel9", true, a));
    c.push_back(num(58, "PBNumEdit37", "Panel9", true, a));
    c.push_back(num(59, "PBNumEdit38", "Panel9", true, a));
    c.push_back(num(60, "PBNumEdit39", "Panel9", true, a));
    c.push_back(num(61, "PBNumEdit41", "Panel9", true, a));
    c.push_back(num(62, "PBNumEdit40", "Panel9", true, a));
    c.push_back(num(63, "PBNumEdit42", "Panel9", true, a));

    // Sheet "B".
    const char *b = "PBNumEdit44Change";
    c.push_back(num(64, "PBNumEdit43", "Panel10", false));
    c.push_back(num(65, "PBNumEdit44", "Panel10", true, b));
    c.push_back(num(66, "PBNumEdit45", "Panel10", true, b));
    c.push_back(num(67, "PBNumEdit47", "Panel10", true, b));
    c.push_back(num(68, "PBNumEdit48", "Panel10", true, b));
    c.push_back(num(69, "PBNumEdit49", "Panel10", true, b));
    c.push_back(num(70, "PBNumEdit50", "Panel10", true, b));
    c.push_back(num(71, "PBNumEdit46", "Panel10", true, b));

    // Sheet "C".
    const char *cc = "PBNumEdit52Change";
    c.push_back(num(72, "PBNumEdit51", "Panel11", false));
    c.push_back(num(73, "PBNumEdit52", "Panel11", true, cc));
    c.push_back(num(74, "PBNumEdit54", "Panel11", true, cc));
    c.push_back(num(75, "PBNumEdit55", "Panel11", true, cc));
    c.push_back(num(76, "PBNumEdit56", "Panel11", true, cc));
    c.push_back(num(77, "PBNumEdit53", "Panel11", true, cc));

    // Sheet "D".
    const char *d = "PBNumEdit58Change";
    c.push_back(num(78, "PBNumEdit57", "Panel12", false));
    c.push_back(num(79, "PBNumEdit58", "Panel12", true, d));
    c.push_back(num(80, "PBNumEdit59", "Panel12", true, d));
    c.push_back(num(81, "PBNumEdit61", "Panel12", true, d));
    c.push_back(num(82, "PBNumEdit62", "Panel12", true, d));
    c.push_back(num(83, "PBNumEdit60", "Panel12", true, d));

    // Sheet "E": identification, then one group box per simplified method.
    c.push_back(edit(84, "Edit12", "Panel8"));
    c.push_back(edit(85, "Edit10", "Panel8"));
    c.push_back(edit(86, "Edit13", "Panel8"));
    c.push_back(num(87, "PBNumEdit13", "GroupBox1", false));
    c.push_back(num(88, "PBNumEdit23", "GroupBox1", true, "PBNumEdit23Change"));
    c.push_back(num(89, "PBNumEdit24", "GroupBox1", false));
    c.push_back(num(90, "PBNumEdit25", "GroupBox2", false));
    c.push_back(num(91, "PBNumEdit26", "GroupBox2", false, "PBNumEdit26Change"));
    c.push_back(num(92, "PBNumEdit27", "GroupBox3", false));
    c.push_back(num(93, "PBNumEdit69", "GroupBox3", false, "PBNumEdit69Change"));

    // Sheet "F": inputs only.
    for (auto [order, name] : {std::pair{94, "PBNumEdit63"}, {95, "PBNumEdit65"}, {96, "PBNumEdit66"},
                               {97, "PBNumEdit67"}, {98, "PBNumEdit68"}, {99, "PBNumEdit64"},
                               {100, "PBNumEdit70"}, {101, "PBNumEdit71"}})
        c.push_back(num(order, name, "Panel13", true));

    // Sheet "G": the subcontractors.
    c.push_back(grid(102, "AdvStringGrid2", "Panel15", 5, 11,
                     {QString(), u("Alvállalkozó neve"), u("Pontos címe"), u("Adószáma"),
                      u("Kifizetett összeg")}));

    // Sheet "H": the declaration on overpayment and the debts to transfer to.
    c.push_back(radio(103, "LMDRadioGroup1", "Panel14", true, 0,
                      {u("A túlfizetés összegét később esedékes iparűzési adó fizetési kötelezettségre kívánom "
                         "felhasználni"),
                       u("A túlfizetés összegéből") + blanks(40)
                           + u("forintot kérek visszatéríteni, a fennmaradó összeget később esedékes iparűzési "
                               "adó fizetési kötelezettségre kívánom felhasználni, egyúttal nyilatkozom, hogy "
                               "lejárt esedékességű köztartozásom nincs"),
                       u("A túlfizetés összegéből") + blanks(40) + u("forintot kérek visszatéríteni,") + blanks(40)
                           + u("forintot kérek más adónemben/hatóságnál nyilvántartott lejárt esedékességű "
                               "köztartozásra átvezetni, a fennmaradó összeget később esedékes iparűzési adó "
                               "fizetési kötelezettségre kívánom felhasználni"),
                       u("A túlfizetés összegéből") + blanks(40)
                           + u("forintot kérek más adónemben/hatóságnál nyilvántartott lejárt esedékességű "
                               "köztartozásra átvezetni, a fennmaradó összeget később esedékes iparűzési adó "
                               "fizetési kötelezettségre kívánom felhasználni"),
                       u("A túlfizetés teljes összegének visszatérítését kérem, egyúttal nyilatkozom, hogy "
                         "lejárt esedékességű köztartozásom nincs")}));
    c.push_back(num(104, "PBNumEdit74", "Panel14", true, rows));
    c.push_back(num(105, "PBNumEdit75", "Panel14", true, rows));
    c.push_back(num(106, "PBNumEdit76", "Panel14", true, rows));
    c.push_back(num(107, "PBNumEdit77", "Panel14", true, rows));
    c.push_back(grid(108, "AdvStringGrid1", "Panel17", 5, 6,
                     {QString(), u("Köztartozást nyilvántartó intézmény"), u("Köztartozás fajtája"),
                      u("Összege"), u("Köztartozáshoz tartozó pénzintézeti számlaszám")}));
    return c;
}

} // namespace

std::span<const FieldSpec> fieldCatalogue()
{
    static const std::vector<FieldSpec> catalogue = buildCatalogue();
    return catalogue;
}

std::span<const ElementSpec> elementCatalogue()
{
    static const ElementSpec elements[] = {
        {"egyszvaluzenet", true, true},
        {"LMDRichLabel17", true, false},
        {"GroupBox1", true, true},
        {"GroupBox2", false, true},
        {"GroupBox3", false, true},
    };
    return elements;
}

} // namespace vkt
