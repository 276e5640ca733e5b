#pragma once

// The cipher component LbRijndael1: AES-128 in electronic-code-book mode
// under a key derived from a password, the ciphertext written as Base64.

#include <QByteArray>
#include <array>
#include <cstdint>
#include <optional>

namespace vkt::storage {

using Key128 = std::array<std::uint8_t, 16>;

class RijndaelEnvelope {
public:
    // Derives the 16-byte key from the password bytes (may be empty).
    void GenerateKey(const QByteArray &password);
    // The whole blocks, then a final block holding the remaining bytes and
    // their count in byte 15; the result is Base64 text without line breaks.
    QByteArray EncryptString(const QByteArray &plain) const;
    // The reverse. Throws vkt::Error "Invalid Base64 Character" or "Invalid
    // file format". Returns nothing when the final block's count byte is
    // above 15, which no enciphering gives (a wrong key or a damaged file).
    std::optional<QByteArray> DecryptString(const QByteArray &text) const;

    const Key128 &key() const { return m_key; }
    void setKey(const Key128 &key) { m_key = key; }

private:
    Key128 m_key{};
};

namespace cipher {

// The first 2048 bits of the fractional part of pi, most significant first.
extern const std::array<std::uint8_t, 256> piFraction;

// The key that GenerateKey derives (PassphraseDigest finished by the
// DigestCipher).
Key128 passphraseKey(const QByteArray &password);

// The DigestCipher: a 128-bit block keyed with 16 bytes.
std::array<std::uint8_t, 16> digestCipherEncrypt(const Key128 &key, const std::array<std::uint8_t, 16> &block);

// AES-128 ECB over whole blocks (size a multiple of 16), no padding.
QByteArray aesEncryptBlocks(const Key128 &key, const QByteArray &blocks);
QByteArray aesDecryptBlocks(const Key128 &key, const QByteArray &blocks);

// Standard Base64 with "=" padding, one run without line breaks.
QByteArray base64Encode(const QByteArray &bytes);
// The lenient decoder of the saved file: groups of four; a character
// outside "+".."z" (or an incomplete last group) throws vkt::Error
// "Invalid Base64 Character"; characters in range but outside the alphabet
// decode as 127.
QByteArray base64Decode(const QByteArray &text);

} // namespace cipher
} // namespace vkt::storage
