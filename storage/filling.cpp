#include "storage/filling.h"

#include "model/dialogs.h"
#include "model/error.h"
#include "model/numeric.h"
#include "model/returnmodel.h"
#include "storage/cipher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <vector>

namespace vkt::storage {

namespace {

const char *const codePage = "windows-1250";

// The characters that the code page holds, indexed by their byte.
const QString &codePageCharacters()
{
    static const QString chars = [] {
        QByteArray all(256, '\0');
        for (int i = 0; i < 256; ++i)
            all[i] = char(i);
        QStringDecoder decoder(codePage);
        return QString(decoder.decode(all));
    }();
    return chars;
}

// A character that the code page lacks becomes "?", as the platform's
// conversion makes it.
QByteArray toCodePage(const QString &text)
{
    QString mapped = text;
    const QString &known = codePageCharacters();
    for (QChar &c : mapped)
        if (c.unicode() >= 0x80 && !known.contains(c))
            c = u'?';
    QStringEncoder encoder(codePage);
    return encoder.encode(mapped);
}

QString fromCodePage(const QByteArray &bytes)
{
    QStringDecoder decoder(codePage);
    return decoder.decode(bytes);
}

// Lines of a text, split at CR LF, CR or LF. A final line end does not
// start another line.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

// Appends one value line to the scratch list; a value with line breaks
// gives further lines without a name.
void addScratch(QStringList &scratch, const QString &line)
{
    if (!line.contains(u'\r') && !line.contains(u'\n')) {
        scratch.append(line);
        return;
    }
    scratch.append(splitLines(line));
}

QStringList scratchList(const ReturnModel &model)
{
    QStringList scratch;
    for (const auto &fp : model.fields()) {
        const Field &f = *fp;
        const QString prefix = f.name() + u'_';
        switch (f.kind()) {
        case FieldKind::Edit:
        case FieldKind::NumEdit:
            addScratch(scratch, prefix + f.text());
            break;
        case FieldKind::RadioGroup:
            addScratch(scratch, prefix + QString::number(f.itemIndex()));
            break;
        case FieldKind::CheckBox:
            addScratch(scratch, prefix + (f.isChecked() ? u'i' : u'n'));
            break;
        case FieldKind::CheckGroup:
            for (int i = 0; i < f.itemCount(); ++i)
                addScratch(scratch, prefix + u'[' + QString::number(i) + u']'
                                        + (f.isChecked(i) ? u'i' : u'n'));
            break;
        case FieldKind::StringGrid:
            for (int col = 1; col < f.columnCount(); ++col)
                for (int row = 1; row < f.rowCount(); ++row)
                    addScratch(scratch, prefix + u'[' + QString::number(col) + u',' + QString::number(row)
                                            + u']' + f.cell(col, row));
            break;
        case FieldKind::DateTimePicker:
            break;
        }
    }
    return scratch;
}

// One line of a plaintext, checked and ready to be applied.
struct Assignment {
    enum Kind { Text, ItemIndex, Tick, GroupTick, Cell };
    Field *field;
    Kind kind;
    QString text;
    int a = 0;
    int b = 0;
    bool checked = false;
};

// The text between the first "[" and the first "]" and the text after that
// "]"; false when either bracket is missing.
bool bracketParts(const QString &line, QString &inner, QString &after)
{
    const qsizetype open = line.indexOf(u'[');
    const qsizetype close = line.indexOf(u']');
    if (open < 0 || close < 0)
        return false;
    inner = close > open ? line.mid(open + 1, close - open - 1) : QString();
    after = line.mid(close + 1);
    return true;
}

// Reads every line first, so that a bad integer stops the loading before
// any field has changed.
std::vector<Assignment> readAssignments(ReturnModel &model, const QStringList &lines)
{
    std::vector<Assignment> out;
    QString previous;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString &raw = lines[i];
        // A continuation line starts with "$"; a "$" inside a value is text.
        QString line = raw.startsWith(u'$') ? raw.mid(1) : raw;
        if (!line.contains(u'_') && i != 1)
            line = previous + u'_' + line;
        const qsizetype sep = line.indexOf(u'_');
        if (sep < 0)
            continue; // a first value line without a name
        Field *f = model.find(QStringView(line).left(sep));
        if (!f)
            continue; // names no field of this return
        const QString value = line.mid(sep + 1);
        switch (f->kind()) {
        case FieldKind::Edit:
        case FieldKind::NumEdit:
            out.push_back({f, Assignment::Text, value});
            break;
        case FieldKind::RadioGroup:
            if (!value.isEmpty())
                out.push_back({f, Assignment::ItemIndex, {}, numeric::readInteger(value)});
            break;
        case FieldKind::CheckBox:
            out.push_back({f, Assignment::Tick, {}, 0, 0, value == QLatin1String("i")});
            break;
        case FieldKind::StringGrid: {
            QString inner, cellText;
            if (!bracketParts(raw, inner, cellText))
                break;
            const qsizetype comma = inner.indexOf(u',');
            const QString colText = comma < 0 ? QString() : inner.left(comma);
            const QString rowText = comma < 0 ? inner : inner.mid(comma + 1);
            const int col = numeric::readInteger(colText);
            const int row = numeric::readInteger(rowText);
            out.push_back({f, Assignment::Cell, cellText, col, row});
            break;
        }
        case FieldKind::CheckGroup: {
            QString inner, tick;
            if (!bracketParts(raw, inner, tick))
                break;
            const int item = numeric::readInteger(inner);
            if (item >= 0 && item < f->itemCount())
                out.push_back({f, Assignment::GroupTick, {}, item, 0, tick == QLatin1String("i")});
            break;
        }
        case FieldKind::DateTimePicker:
            break;
        }
        previous = f->name();
    }
    return out;
}

void apply(const Assignment &as)
{
    Field &f = *as.field;
    switch (as.kind) {
    case Assignment::Text:
        if (f.text() != as.text)
            f.setText(as.text);
        break;
    case Assignment::ItemIndex:
        f.setItemIndex(as.a);
        break;
    case Assignment::Tick:
        f.setChecked(as.checked);
        break;
    case Assignment::GroupTick:
        f.setChecked(as.a, as.checked);
        break;
    case Assignment::Cell:
        f.setCell(as.a, as.b, as.text);
        break;
    }
}

bool startsWithMarker(const QByteArray &plaintext)
{
    static const QByteArray marker = toCodePage(fillingMarker());
    if (!plaintext.startsWith(marker))
        return false;
    if (plaintext.size() == marker.size())
        return true;
    const char next = plaintext[marker.size()];
    return next == '\r' || next == '\n';
}

} // namespace

QString fillingMarker()
{
    return QStringLiteral("vízimalom");
}

QByteArray writePlaintext(const ReturnModel &model)
{
    QString text = fillingMarker() + QLatin1String("\r\n");
    QString current;
    for (const QString &line : scratchList(model)) {
        const qsizetype sep = line.indexOf(u'_');
        if (sep >= 0) {
            if (sep + 1 == line.size())
                continue; // an empty value gives no line
            current = line.left(sep);
            text += line;
        } else {
            if (line.isEmpty())
                continue;
            text += u'$' + current + u'_' + line;
        }
        text += QLatin1String("\r\n");
    }
    return toCodePage(text);
}

void applyPlaintext(ReturnModel &model, const QByteArray &plaintext)
{
    const std::vector<Assignment> assignments = readAssignments(model, splitLines(fromCodePage(plaintext)));
    for (const Assignment &as : assignments)
        apply(as);
    // A tick loaded after a radio group may have moved its choice
    // (LMDCheckGroup1Click picks the first closing reason); the saved choices
    // are set once more, as program writes that run no rule.
    for (const Assignment &as : assignments)
        if (as.kind == Assignment::ItemIndex)
            apply(as);
}

QByteArray fillingText(const ReturnModel &model, const QString &password)
{
    RijndaelEnvelope envelope;
    envelope.GenerateKey(toCodePage(password));
    return envelope.EncryptString(writePlaintext(model));
}

LoadResult applyFillingText(ReturnModel &model, const QString &password, const QByteArray &fileText)
{
    RijndaelEnvelope envelope;
    envelope.GenerateKey(toCodePage(password));
    const std::optional<QByteArray> plaintext = envelope.DecryptString(fileText);
    if (!plaintext || !startsWithMarker(*plaintext))
        return LoadResult::WrongPassword;
    applyPlaintext(model, *plaintext);
    return LoadResult::Applied;
}

void saveFilling(ReturnModel &model, Dialogs &dialogs, const QString &filePath)
{
    // The values are taken before the password is asked for.
    const QByteArray plaintext = writePlaintext(model);
    QString password;
    dialogs.prompt(QStringLiteral("Kérek egy jelszót!"),
                   QStringLiteral("A jelszó a későbbi visszatöltésnél kell majd:"), password);
    if (password.isEmpty())
        return;
    RijndaelEnvelope envelope;
    envelope.GenerateKey(toCodePage(password));
    const QByteArray text = envelope.EncryptString(plaintext);

    // Written beside the old file and renamed over it only when complete.
    QSaveFile file(filePath);
    const auto failure = [&](QString reason = QString()) {
        if (reason.isEmpty())
            reason = file.errorString();
        return Error(QStringLiteral("Cannot create file \"%1\". %2")
                         .arg(QDir::toNativeSeparators(filePath), reason));
    };
    // Unbuffered, so that a short write (a full disk, a size limit) shows in
    // the count written instead of vanishing in a buffer flush that reports
    // success; the size is checked once more before the rename.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw failure();
    if (file.write(text) != text.size() || !file.flush() || file.size() != text.size()) {
        const Error error = failure(QStringLiteral("The file could not be written completely."));
        file.cancelWriting();
        throw error;
    }
    if (!file.commit())
        throw failure();
}

void loadFilling(ReturnModel &model, Dialogs &dialogs, const QString &filePath)
{
    QString password;
    dialogs.prompt(QStringLiteral("Jelszóellenőrzés"), QStringLiteral("Kérem a jelszót"), password);
    if (!QFileInfo(filePath).isFile()) {
        dialogs.notice(QStringLiteral("Nincs mentés!           ."));
        return;
    }
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open file \"%1\". %2")
                        .arg(QDir::toNativeSeparators(filePath), file.errorString()));
    const QByteArray text = file.readAll();
    file.close();
    if (applyFillingText(model, password, text) == LoadResult::WrongPassword)
        dialogs.notice(QStringLiteral("Hibás jelszó!           ."));
}

QString fillingPathBesideProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/VKT10002.txt");
}

} // namespace vkt::storage
