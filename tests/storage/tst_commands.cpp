// The save and load commands: prompts, notices, the file beside the
// program, failures, and the checked-in sample filling.

#include "filling_fixture.h"

#include "model/error.h"
#include "rules/rules.h"
#include "storage/cipher.h"
#include "storage/filling.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace vkt;
using vkt::storage::test::errorOf;
using namespace vkt::storage;
using test::FakeDialogs;

namespace {

const RegionalSettings hu = RegionalSettings::hungarian();
const QString savePrompt = QStringLiteral("prompt:Kérek egy jelszót!|A jelszó a későbbi visszatöltésnél kell majd:");
const QString loadPrompt = QStringLiteral("prompt:Jelszóellenőrzés|Kérem a jelszót");
const QString noSave = QStringLiteral("notice:Nincs mentés!           .");
const QString wrongPassword = QStringLiteral("notice:Hibás jelszó!           .");
const QString samplePassword = QStringLiteral("Kerekvárda 2009");

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A return filled as a person fills it: choices first, then the amounts of
// the fields that are open for typing, texts and grid cells.
void fillLikeAPerson(ReturnModel &m)
{
    m.field(u"Edit1").setText(QStringLiteral("Kovács_Ödön $ Bt."));
    m.field(u"Edit2").setText(QStringLiteral("Kerekvárda, Fő utca 1."));
    m.field(u"Edit11").setText(QStringLiteral("fókusz"));
    m.field(u"LMDCheckGroup1").setChecked(1, true); // closing return
    m.field(u"LMDRadioGroup2").choose(2);
    m.field(u"LMDRadioGroup5").choose(3);
    m.field(u"LMDRadioGroup6").choose(1);
    m.field(u"LMDCheckBox1").setChecked(true);
    const Amount amounts[] = {1000000, -2500, 1234.5L, 0.25L, 7777, 100000, -0.5L};
    int n = 0;
    for (const auto &fp : m.fields()) {
        Field &f = *fp;
        if (f.kind() == FieldKind::NumEdit && f.isEditable())
            f.setValue(amounts[n++ % std::size(amounts)]);
    }
    Field &g2 = m.field(u"AdvStringGrid2");
    g2.setCell(1, 1, QStringLiteral("Kft. [2], első, $ ár"));
    g2.setCell(4, 1, QStringLiteral("-1 234,5"));
    g2.setCell(2, 10, QStringLiteral("a]b,c"));
    m.field(u"AdvStringGrid1").setCell(1, 5, QStringLiteral("Győr_Moson"));
}

} // namespace

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void pathBesideProgram();
    void saveThenLoad();
    void noFile();
    void passwords_data();
    void passwords();
    void cancelledSaveLeavesFile_data();
    void cancelledSaveLeavesFile();
    void saveIsRepeatable();
    void loadOverTypedValues();
    void roundTripWithRules();
    void damagedFiles_data();
    void damagedFiles();
    void impossibleCountIsWrongPassword();
    void interruptedSaveKeepsEarlierFile();
    void sampleFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
};

void TestCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("VKT10002.txt"));
}

void TestCommands::pathBesideProgram()
{
    QCOMPARE(fillingPathBesideProgram(),
             QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("VKT10002.txt")));
}

void TestCommands::saveThenLoad()
{
    auto source = rules::createReturn(hu);
    fillLikeAPerson(*source);
    FakeDialogs saving(QStringLiteral("titok"));
    saveFilling(*source, saving, m_path);
    QCOMPARE(saving.calls, QStringList{savePrompt});

    const QByteArray text = readFile(m_path);
    QCOMPARE(text, fillingText(*source, QStringLiteral("titok")));
    QVERIFY(!text.contains('\n') && !text.contains('\r'));
    QCOMPARE(QByteArray::fromBase64(text).toBase64(), text);

    auto target = rules::createReturn(hu);
    FakeDialogs loading(QStringLiteral("titok"));
    loadFilling(*target, loading, m_path);
    QCOMPARE(loading.calls, QStringList{loadPrompt});
    QCOMPARE(test::fieldValues(*target), test::fieldValues(*source));
}

void TestCommands::noFile()
{
    for (bool confirmed : {true, false}) {
        auto model = rules::createReturn(hu);
        const QStringList before = test::fieldValues(*model);
        FakeDialogs dialogs(QStringLiteral("titok"), confirmed);
        loadFilling(*model, dialogs, m_path);
        QCOMPARE(dialogs.calls, (QStringList{loadPrompt, noSave}));
        QCOMPARE(test::fieldValues(*model), before);
    }
}

void TestCommands::passwords_data()
{
    QTest::addColumn<QString>("saveWith");
    QTest::addColumn<QString>("loadWith");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<bool>("opens");
    QTest::newRow("same") << "titok" << "titok" << true << true;
    QTest::newRow("case differs") << "titok" << "Titok" << true << false;
    QTest::newRow("accented") << QStringLiteral("jelszó ŐŰ") << QStringLiteral("jelszó ŐŰ") << true << true;
    QTest::newRow("accented case") << QStringLiteral("jelszó") << QStringLiteral("JELSZÓ") << true << false;
    QTest::newRow("one blank") << " " << " " << true << true;
    QTest::newRow("cancelled load") << "titok" << "titok" << false << false;
    QTest::newRow("empty load") << "titok" << "" << true << false;
}

void TestCommands::passwords()
{
    QFETCH(QString, saveWith);
    QFETCH(QString, loadWith);
    QFETCH(bool, confirmed);
    QFETCH(bool, opens);
    auto source = rules::createReturn(hu);
    source->field(u"Edit1").setText(QStringLiteral("mentett"));
    FakeDialogs saving(saveWith);
    saveFilling(*source, saving, m_path);

    auto target = rules::createReturn(hu);
    const QStringList before = test::fieldValues(*target);
    FakeDialogs loading(loadWith, confirmed);
    loadFilling(*target, loading, m_path);
    if (opens) {
        QCOMPARE(loading.calls, QStringList{loadPrompt});
        QCOMPARE(target->field(u"Edit1").text(), QStringLiteral("mentett"));
    } else {
        QCOMPARE(loading.calls, (QStringList{loadPrompt, wrongPassword}));
        QCOMPARE(test::fieldValues(*target), before);
    }
}

void TestCommands::cancelledSaveLeavesFile_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("cancelled") << "titok" << false;
    QTest::newRow("empty") << "" << true;
}

void TestCommands::cancelledSaveLeavesFile()
{
    QFETCH(QString, password);
    QFETCH(bool, confirmed);
    auto model = rules::createReturn(hu);
    FakeDialogs none(password, confirmed);
    saveFilling(*model, none, m_path);
    QCOMPARE(none.calls, QStringList{savePrompt});
    QVERIFY(!QFile::exists(m_path));

    writeFile(m_path, "earlier");
    saveFilling(*model, none, m_path);
    QCOMPARE(readFile(m_path), QByteArray("earlier"));
}

void TestCommands::saveIsRepeatable()
{
    auto model = rules::createReturn(hu);
    fillLikeAPerson(*model);
    FakeDialogs first(QStringLiteral("egy"));
    saveFilling(*model, first, m_path);
    const QByteArray once = readFile(m_path);
    saveFilling(*model, first, m_path);
    QCOMPARE(readFile(m_path), once); // no random element

    FakeDialogs second(QStringLiteral("kettő"));
    saveFilling(*model, second, m_path);
    QVERIFY(readFile(m_path) != once);
    auto target = rules::createReturn(hu);
    FakeDialogs old(QStringLiteral("egy"));
    loadFilling(*target, old, m_path);
    QCOMPARE(old.calls.last(), wrongPassword);
    FakeDialogs current(QStringLiteral("kettő"));
    loadFilling(*target, current, m_path);
    QCOMPARE(current.calls, QStringList{loadPrompt});
    QCOMPARE(target->field(u"Edit1").text(), model->field(u"Edit1").text());
    // No temporary files are left beside the filling.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("VKT10002.txt")});
}

void TestCommands::loadOverTypedValues()
{
    auto model = rules::createReturn(hu);
    model->field(u"Edit1").setText(QStringLiteral("mentett név"));
    FakeDialogs dialogs(QStringLiteral("titok"));
    saveFilling(*model, dialogs, m_path);

    // The user types on: values from the file replace typed ones, a field
    // that was empty when saved keeps what was typed, dates stay.
    model->field(u"Edit1").setText(QStringLiteral("átírt"));
    model->field(u"Edit2").setText(QStringLiteral("új szöveg"));
    model->field(u"AdvStringGrid2").setCell(1, 1, QStringLiteral("új cella"));
    Field &date = model->field(u"DateTimePicker1");
    date.setDate(QDate(2010, 3, 15));
    const QDate picked = date.date();
    loadFilling(*model, dialogs, m_path);
    QCOMPARE(model->field(u"Edit1").text(), QStringLiteral("mentett név"));
    QCOMPARE(model->field(u"Edit2").text(), QStringLiteral("új szöveg"));
    QCOMPARE(model->field(u"AdvStringGrid2").cell(1, 1), QString()); // empty cells are saved too
    QCOMPARE(date.date(), picked);
}

void TestCommands::roundTripWithRules()
{
    // A filled return comes back field for field, the closing reason
    // included, although the tick loaded after it moves the choice.
    auto source = rules::createReturn(hu);
    fillLikeAPerson(*source);
    QCOMPARE(source->field(u"LMDRadioGroup2").itemIndex(), 2);
    FakeDialogs dialogs(QStringLiteral("titok"));
    saveFilling(*source, dialogs, m_path);
    auto target = rules::createReturn(hu);
    loadFilling(*target, dialogs, m_path);
    const QStringList saved = test::fieldValues(*source);
    const QStringList loaded = test::fieldValues(*target);
    for (qsizetype i = 0; i < saved.size(); ++i)
        QCOMPARE(loaded.value(i), saved[i]);
}

void TestCommands::damagedFiles_data()
{
    QTest::addColumn<QByteArray>("suffix"); // appended to a good file text
    QTest::addColumn<int>("keep");          // characters of the good text kept, -1 all
    QTest::addColumn<QString>("outcome");
    QTest::newRow("trailing CR LF") << QByteArray("\r\n") << -1 << "Invalid Base64 Character";
    QTest::newRow("trailing LF") << QByteArray("\n") << -1 << "Invalid Base64 Character";
    QTest::newRow("byte order mark") << QByteArray() << -1 << "Invalid Base64 Character";
    QTest::newRow("short") << QByteArray() << 20 << "Invalid file format";
    QTest::newRow("empty") << QByteArray() << 0 << "Invalid file format";
}

void TestCommands::damagedFiles()
{
    QFETCH(QByteArray, suffix);
    QFETCH(int, keep);
    QFETCH(QString, outcome);
    auto model = rules::createReturn(hu);
    model->field(u"Edit1").setText(QStringLiteral("x"));
    const QByteArray good = fillingText(*model, QStringLiteral("titok"));
    QByteArray text = (keep < 0 ? good : good.left(keep)) + suffix;
    if (QTest::currentDataTag() == QByteArray("byte order mark"))
        text.prepend("\xef\xbb\xbf");
    writeFile(m_path, text);

    auto target = rules::createReturn(hu);
    const QStringList before = test::fieldValues(*target);
    FakeDialogs dialogs(QStringLiteral("titok"));
    const QString error = errorOf([&] { loadFilling(*target, dialogs, m_path); });
    if (outcome.startsWith(QLatin1String("notice:"))) {
        QCOMPARE(error, QString());
        QCOMPARE(dialogs.calls, (QStringList{loadPrompt, outcome}));
    } else {
        QCOMPARE(error, outcome);
        QCOMPARE(dialogs.calls, QStringList{loadPrompt});
    }
    QCOMPARE(test::fieldValues(*target), before);
}

void TestCommands::impossibleCountIsWrongPassword()
{
    // The blocks before the last decipher to a good filling, but the final
    // block claims more than 15 data bytes: no enciphering gives that, so
    // the file does not open and no field changes.
    auto model = rules::createReturn(hu);
    model->field(u"Edit1").setText(QStringLiteral("0123456789abcdefghijklmnopqrstuvwxyz"));
    QStringEncoder encoder("windows-1250");
    const QByteArray good = fillingText(*model, QStringLiteral("titok"));
    const Key128 key = cipher::passphraseKey(encoder.encode(QStringLiteral("titok")));
    QByteArray blocks = cipher::base64Decode(good);
    QByteArray last = cipher::aesDecryptBlocks(key, blocks.right(16));
    last[15] = char(40);
    blocks.chop(16);
    blocks += cipher::aesEncryptBlocks(key, last);
    writeFile(m_path, cipher::base64Encode(blocks));

    auto target = rules::createReturn(hu);
    const QStringList before = test::fieldValues(*target);
    FakeDialogs dialogs(QStringLiteral("titok"));
    loadFilling(*target, dialogs, m_path);
    QCOMPARE(dialogs.calls, (QStringList{loadPrompt, wrongPassword}));
    QCOMPARE(test::fieldValues(*target), before);
}

void TestCommands::interruptedSaveKeepsEarlierFile()
{
    auto model = rules::createReturn(hu);
    model->field(u"Edit1").setText(QStringLiteral("első mentés"));
    FakeDialogs dialogs(QStringLiteral("titok"));
    saveFilling(*model, dialogs, m_path);
    const QByteArray earlier = readFile(m_path);

    // The next save runs out of room half-way through writing (a file size
    // limit stops it even for the superuser).
    fillLikeAPerson(*model);
    QVERIFY(fillingText(*model, QStringLiteral("titok")).size() > earlier.size() + 100);
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = rlim_t(earlier.size() + 50);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString error = errorOf([&] { saveFilling(*model, dialogs, m_path); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY2(error == QStringLiteral("Cannot create file \"%1\". The file could not be written completely.").arg(QDir::toNativeSeparators(m_path)),
             qPrintable(error));
    QCOMPARE(readFile(m_path), earlier);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("VKT10002.txt")});
    auto target = rules::createReturn(hu);
    loadFilling(*target, dialogs, m_path);
    QCOMPARE(target->field(u"Edit1").text(), QStringLiteral("első mentés"));

    // A folder that does not exist cannot take the file either.
    const QString nowhere = m_dir->filePath(QStringLiteral("nincs/VKT10002.txt"));
    QVERIFY(errorOf([&] { saveFilling(*model, dialogs, nowhere); })
                .startsWith(QStringLiteral("Cannot create file \"%1\"").arg(QDir::toNativeSeparators(nowhere))));
}

void TestCommands::sampleFile()
{
    // A filling saved once and checked in: its text must keep opening, and
    // the same filling must keep giving the same bytes.
    const QByteArray fileText = readFile(test::sampleData("sample-filling.txt"));
    const QByteArray plaintext = readFile(test::sampleData("sample-plaintext.txt"));
    QVERIFY(fileText.size() > 1000 && plaintext.size() > 1000);
    QStringEncoder encoder("windows-1250");
    RijndaelEnvelope envelope;
    envelope.GenerateKey(encoder.encode(samplePassword));
    QCOMPARE(envelope.DecryptString(fileText).value_or("<none>"), plaintext);
    QCOMPARE(envelope.EncryptString(plaintext), fileText);

    ReturnModel filled(hu);
    test::fillEveryField(filled);
    QCOMPARE(writePlaintext(filled), plaintext);
    QCOMPARE(fillingText(filled, samplePassword), fileText);

    ReturnModel loaded(hu);
    FakeDialogs dialogs(samplePassword);
    loadFilling(loaded, dialogs, test::sampleData("sample-filling.txt"));
    QCOMPARE(dialogs.calls, QStringList{loadPrompt});
    QCOMPARE(loaded.field(u"Edit11").text(), QStringLiteral("Kovács_Ödön $ Kft."));
    QCOMPARE(loaded.field(u"AdvStringGrid1").cell(4, 2), filled.field(u"AdvStringGrid1").cell(4, 2));
    QCOMPARE(loaded.field(u"PBNumEdit2").text(), filled.field(u"PBNumEdit2").text());
}

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
