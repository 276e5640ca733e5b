// Arbitrary bytes through the load path: Base64 decoding, decipherment, the
// marker check, the reading of the lines and applying them to a new return
// with its rules. The first byte chooses what the rest is:
//   even: the text of a saved file, opened with the fixed password;
//   odd:  the lines after the marker, enciphered under the fixed password
//         first, so that the reader and the rules see the bytes as they are.
// Errors that the program reports (vkt::Error) are expected outcomes.

#include "model/error.h"
#include "rules/rules.h"
#include "storage/cipher.h"
#include "storage/filling.h"

#include <QStringEncoder>

#include <cstddef>
#include <cstdint>

namespace {

const QString password = QStringLiteral("Kerekvárda 2009");

const vkt::storage::RijndaelEnvelope &envelope()
{
    static const vkt::storage::RijndaelEnvelope env = [] {
        vkt::storage::RijndaelEnvelope e;
        QStringEncoder encoder("windows-1250");
        e.GenerateKey(encoder.encode(password));
        return e;
    }();
    return env;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool plaintext = data[0] & 1;
    QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (plaintext)
        rest = envelope().EncryptString(QByteArray("v\xedzimalom\r\n") + rest);

    auto model = vkt::rules::createReturn(vkt::RegionalSettings::hungarian());
    try {
        vkt::storage::applyFillingText(*model, password, rest);
    } catch (const vkt::Error &) {
    }
    // Whatever was loaded must save again.
    (void)vkt::storage::writePlaintext(*model);
    return 0;
}
