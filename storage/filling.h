#pragma once

// The saved filling: the plaintext line format of a filled return and the
// save and load commands ("Űrlap mentése", "Kitöltött űrlap betöltése").

#include <QByteArray>
#include <QString>

namespace vkt {
class ReturnModel;
class Dialogs;
} // namespace vkt

namespace vkt::storage {

// The first line of every plaintext, "vízimalom".
QString fillingMarker();

// The plaintext of the current filling: the marker line, then the value
// lines of every field in component order, continuation lines for values
// with line breaks; Windows-1250 bytes, CR LF after every line.
QByteArray writePlaintext(const ReturnModel &model);

// Applies lines 2 to the last of a plaintext (line 1, the marker, is not
// looked at here: loadFilling checks it). Every line is checked first: a
// text that is no decimal integer where one is read throws
// vkt::integerConversionError and no field changes. Then the values are
// written one by one through the fields, so the change rules of the numeric
// fields and LMDCheckGroup1Click run (and may throw vkt::Error, which ends
// the reading there); radio-group choices are program writes and run none.
// A line naming no field is skipped. At the end the radio-group choices of
// the text are set once more, so that a rule run by a later line (the
// closing reason picked by LMDCheckGroup1Click) does not replace them.
void applyPlaintext(ReturnModel &model, const QByteArray &plaintext);

// What loading a file text did.
enum class LoadResult {
    Applied,       // the marker matched and the lines were applied
    WrongPassword, // the deciphered text does not start with the marker
};

// The part of loadFilling after the file was read: derives the key from the
// password (its Windows-1250 bytes), deciphers the file text, checks the
// marker and applies the plaintext. Throws vkt::Error ("Invalid Base64
// Character", "Invalid file format", conversion errors, errors of rules).
LoadResult applyFillingText(ReturnModel &model, const QString &password, const QByteArray &fileText);

// The file text that saving the model under the password writes.
QByteArray fillingText(const ReturnModel &model, const QString &password);

// SaveFilling: asks for a password ("Kérek egy jelszót!"); an empty or
// cancelled one ends the command without touching the file. Otherwise the
// enciphered filling replaces the file atomically (the previous file stays
// intact when writing fails). Throws vkt::Error naming the file when it
// cannot be written.
void saveFilling(ReturnModel &model, Dialogs &dialogs, const QString &filePath);

// LoadFilling: asks for the password ("Jelszóellenőrzés"), then shows the
// notice "Nincs mentés!           ." when there is no file and
// "Hibás jelszó!           ." when the password does not open it; otherwise
// applies the filling. Throws vkt::Error as applyFillingText does, or naming
// the file when it cannot be read.
void loadFilling(ReturnModel &model, Dialogs &dialogs, const QString &filePath);

// QCoreApplication::applicationDirPath() + "/VKT10002.txt".
QString fillingPathBesideProgram();

} // namespace vkt::storage
