#include "storage/cipher.h"

#include "model/error.h"

#include <openssl/evp.h>

#include <memory>

namespace vkt::storage {
namespace cipher {

const std::array<std::uint8_t, 256> piFraction = {
    0x24, 0x3F, 0x6A, 0x88, 0x85, 0xA3, 0x08, 0xD3, 0x13, 0x19, 0x8A, 0x2E, 0x03, 0x70, 0x73, 0x44,
    0xA4, 0x09, 0x38, 0x22, 0x29, 0x9F, 0x31, 0xD0, 0x08, 0x2E, 0xFA, 0x98, 0xEC, 0x4E, 0x6C, 0x89,
    0x45, 0x28, 0x21, 0xE6, 0x38, 0xD0, 0x13, 0x77, 0xBE, 0x54, 0x66, 0xCF, 0x34, 0xE9, 0x0C, 0x6C,
    0xC0, 0xAC, 0x29, 0xB7, 0xC9, 0x7C, 0x50, 0xDD, 0x3F, 0x84, 0xD5, 0xB5, 0xB5, 0x47, 0x09, 0x17,
    0x92, 0x16, 0xD5, 0xD9, 0x89, 0x79, 0xFB, 0x1B, 0xD1, 0x31, 0x0B, 0xA6, 0x98, 0xDF, 0xB5, 0xAC,
    0x2F, 0xFD, 0x72, 0xDB, 0xD0, 0x1A, 0xDF, 0xB7, 0xB8, 0xE1, 0xAF, 0xED, 0x6A, 0x26, 0x7E, 0x96,
    0xBA, 0x7C, 0x90, 0x45, 0xF1, 0x2C, 0x7F, 0x99, 0x24, 0xA1, 0x99, 0x47, 0xB3, 0x91, 0x6C, 0xF7,
    0x08, 0x01, 0xF2, 0xE2, 0x85, 0x8E, 0xFC, 0x16, 0x63, 0x69, 0x20, 0xD8, 0x71, 0x57, 0x4E, 0x69,
    0xA4, 0x58, 0xFE, 0xA3, 0xF4, 0x93, 0x3D, 0x7E, 0x0D, 0x95, 0x74, 0x8F, 0x72, 0x8E, 0xB6, 0x58,
    0x71, 0x8B, 0xCD, 0x58, 0x82, 0x15, 0x4A, 0xEE, 0x7B, 0x54, 0xA4, 0x1D, 0xC2, 0x5A, 0x59, 0xB5,
    0x9C, 0x30, 0xD5, 0x39, 0x2A, 0xF2, 0x60, 0x13, 0xC5, 0xD1, 0xB0, 0x23, 0x28, 0x60, 0x85, 0xF0,
    0xCA, 0x41, 0x79, 0x18, 0xB8, 0xDB, 0x38, 0xEF, 0x8E, 0x79, 0xDC, 0xB0, 0x60, 0x3A, 0x18, 0x0E,
    0x6C, 0x9E, 0x0E, 0x8B, 0xB0, 0x1E, 0x8A, 0x3E, 0xD7, 0x15, 0x77, 0xC1, 0xBD, 0x31, 0x4B, 0x27,
    0x78, 0xAF, 0x2F, 0xDA, 0x55, 0x60, 0x5C, 0x60, 0xE6, 0x55, 0x25, 0xF3, 0xAA, 0x55, 0xAB, 0x94,
    0x57, 0x48, 0x98, 0x62, 0x63, 0xE8, 0x14, 0x40, 0x55, 0xCA, 0x39, 0x6A, 0x2A, 0xAB, 0x10, 0xB6,
    0xB4, 0xCC, 0x5C, 0x34, 0x11, 0x41, 0xE8, 0xCE, 0xA1, 0x54, 0x86, 0xAF, 0x7C, 0x72, 0xE9, 0x93,
};

namespace {

using Word = std::uint32_t;

Word loadWord(const std::uint8_t *p)
{
    return Word(p[0]) | Word(p[1]) << 8 | Word(p[2]) << 16 | Word(p[3]) << 24;
}

void storeWord(std::uint8_t *p, Word w)
{
    p[0] = std::uint8_t(w);
    p[1] = std::uint8_t(w >> 8);
    p[2] = std::uint8_t(w >> 16);
    p[3] = std::uint8_t(w >> 24);
}

void mixStep(Word &a, Word &b, Word &c, Word &d)
{
    a += d; d += a; a ^= a >> 7;
    b += a; a += b; b ^= b << 13;
    c += b; b += c; c ^= c >> 17;
    d += c; c += d; d ^= d << 9;
    a += d; d += a; a ^= a >> 3;
    b += a; a += b; b ^= b << 7;
    c += b; b += c; c ^= d >> 15; // the shifted word is d
    d += c; c += d; d ^= d << 11;
}

// The digest that a password is absorbed into before the key is drawn from it.
class PassphraseDigest {
public:
    PassphraseDigest()
    {
        m_digest = piFraction;
        m_key.fill(0x55);
    }

    void absorb(std::uint8_t x)
    {
        m_digest[m_digestIndex] ^= x;
        m_digestIndex = (m_digestIndex + 1) & 0xFF;
        m_key[m_keyIndex] ^= x;
        ++m_keyIndex;
        if (m_keyIndex == 8) {
            Word a = loadWord(&m_key[12]), b = loadWord(&m_key[8]);
            Word c = loadWord(&m_key[4]), d = loadWord(&m_key[0]);
            for (int i = 0; i < 4; ++i)
                mixStep(a, b, c, d);
            storeWord(&m_key[0], a);
            storeWord(&m_key[4], b);
            storeWord(&m_key[8], c);
            storeWord(&m_key[12], d);
            m_keyIndex = 0;
        }
    }

    // The padding 01 00 .. 00 up to the next mix; a whole block when the key
    // index is 0.
    void finish()
    {
        static const std::uint8_t padding[8] = {1, 0, 0, 0, 0, 0, 0, 0};
        const unsigned count = 8 - m_keyIndex;
        for (unsigned i = 0; i < count; ++i)
            absorb(padding[i]);
    }

    const std::array<std::uint8_t, 256> &digest() const { return m_digest; }
    const Key128 &keyAccumulator() const { return m_key; }

private:
    std::array<std::uint8_t, 256> m_digest;
    Key128 m_key;
    unsigned m_digestIndex = 0;
    unsigned m_keyIndex = 0;
};

std::array<Word, 32> digestSubkeys(const Key128 &key)
{
    static const Word salts[4] = {0x55555555u, 0xAAAAAAAAu, 0x33333333u, 0xCCCCCCCCu};
    const Word k0 = loadWord(&key[0]), k1 = loadWord(&key[4]);
    const Word k2 = loadWord(&key[8]), k3 = loadWord(&key[12]);
    std::array<Word, 32> sub{};
    int n = 0;
    for (Word s : salts) {
        Word A = k0, B = s, C = k1, D = s, E = k2, F = s, G = k3, H = s;
        for (int i = 0; i < 8; ++i) {
            A ^= B << 11; D += A; B += C;
            B ^= C >> 2;  E += B; C += D;
            C ^= D << 8;  F += C; D += E;
            D ^= E >> 16; G += D; E += F;
            E ^= F << 10; H += E; F += G;
            F ^= G >> 4;  A += F; G += H;
            G ^= H << 8;  B += G; H += A;
            H ^= A >> 9;  C += H; A += B;
        }
        for (Word w : {A, B, C, D, E, F, G, H})
            sub[n++] = w;
    }
    return sub;
}

struct CipherCtxDeleter {
    void operator()(EVP_CIPHER_CTX *ctx) const { EVP_CIPHER_CTX_free(ctx); }
};

QByteArray aesBlocks(const Key128 &key, const QByteArray &in, bool encrypt)
{
    Q_ASSERT(in.size() % 16 == 0);
    QByteArray out(in.size(), Qt::Uninitialized);
    if (in.isEmpty())
        return out;
    std::unique_ptr<EVP_CIPHER_CTX, CipherCtxDeleter> ctx(EVP_CIPHER_CTX_new());
    int written = 0, tail = 0;
    const bool ok = ctx
        && EVP_CipherInit_ex(ctx.get(), EVP_aes_128_ecb(), nullptr, key.data(), nullptr, encrypt ? 1 : 0) == 1
        && EVP_CIPHER_CTX_set_padding(ctx.get(), 0) == 1
        && EVP_CipherUpdate(ctx.get(), reinterpret_cast<unsigned char *>(out.data()), &written,
                            reinterpret_cast<const unsigned char *>(in.constData()), int(in.size())) == 1
        && EVP_CipherFinal_ex(ctx.get(), reinterpret_cast<unsigned char *>(out.data()) + written, &tail) == 1
        && written + tail == in.size();
    if (!ok)
        throw Error(QStringLiteral("AES cipher failure"));
    return out;
}

// Value of a character "+".."z" in the lenient decoder: its place in the
// alphabet, or 127 for the characters in range but outside it ("=" too).
std::uint8_t base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return std::uint8_t(c - 'A');
    if (c >= 'a' && c <= 'z')
        return std::uint8_t(c - 'a' + 26);
    if (c >= '0' && c <= '9')
        return std::uint8_t(c - '0' + 52);
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return 127;
}

bool inBase64Range(char c)
{
    return c >= '+' && c <= 'z';
}

} // namespace

Key128 passphraseKey(const QByteArray &password)
{
    PassphraseDigest digest;
    for (char c : password)
        digest.absorb(std::uint8_t(c));
    digest.finish();
    std::array<std::uint8_t, 16> first;
    std::copy_n(digest.digest().begin(), 16, first.begin());
    return digestCipherEncrypt(digest.keyAccumulator(), first);
}

std::array<std::uint8_t, 16> digestCipherEncrypt(const Key128 &key, const std::array<std::uint8_t, 16> &block)
{
    const std::array<Word, 32> sub = digestSubkeys(key);
    Word X0 = loadWord(&block[0]), X1 = loadWord(&block[4]);
    Word X2 = loadWord(&block[8]), X3 = loadWord(&block[12]);
    for (int r = 0; r < 8; ++r) {
        Word a = X0, b = sub[2 * r], c = X1, d = sub[2 * r + 1];
        mixStep(a, b, c, d);
        mixStep(c, d, a, b); // the words taken as (c, d, a, b), named (a, b, c, d) again
        const Word na = c, nb = d, nc = a, nd = b;
        const Word T0 = na ^ nb ^ X2;
        const Word T1 = nc ^ nd ^ X3;
        X2 = X0;
        X3 = X1;
        X0 = T0;
        X1 = T1;
    }
    std::array<std::uint8_t, 16> out;
    storeWord(&out[0], X2);
    storeWord(&out[4], X3);
    storeWord(&out[8], X0);
    storeWord(&out[12], X1);
    return out;
}

QByteArray aesEncryptBlocks(const Key128 &key, const QByteArray &blocks)
{
    return aesBlocks(key, blocks, true);
}

QByteArray aesDecryptBlocks(const Key128 &key, const QByteArray &blocks)
{
    return aesBlocks(key, blocks, false);
}

QByteArray base64Encode(const QByteArray &bytes)
{
    return bytes.toBase64(QByteArray::Base64Encoding);
}

QByteArray base64Decode(const QByteArray &text)
{
    const auto invalid = [] { return Error(QStringLiteral("Invalid Base64 Character")); };
    // An incomplete last group cannot come from the encoder; it is rejected
    // like a stray character (so is a trailing line break).
    if (text.size() % 4 != 0)
        throw invalid();
    QByteArray out;
    out.reserve(text.size() / 4 * 3);
    for (qsizetype i = 0; i < text.size(); i += 4) {
        const char c0 = text[i], c1 = text[i + 1], c2 = text[i + 2], c3 = text[i + 3];
        if (!inBase64Range(c0) || !inBase64Range(c1) || !inBase64Range(c2) || !inBase64Range(c3))
            throw invalid();
        const unsigned s0 = base64Value(c0), s1 = base64Value(c1);
        const unsigned s2 = base64Value(c2), s3 = base64Value(c3);
        out.append(char((s0 << 2 | s1 >> 4) & 0xFF));
        if (c2 != '=')
            out.append(char((s1 << 4 | s2 >> 2) & 0xFF));
        if (c2 != '=' && c3 != '=')
            out.append(char((s2 << 6 | s3) & 0xFF));
    }
    return out;
}

} // namespace cipher

void RijndaelEnvelope::GenerateKey(const QByteArray &password)
{
    m_key = cipher::passphraseKey(password);
}

QByteArray RijndaelEnvelope::EncryptString(const QByteArray &plain) const
{
    const qsizetype whole = plain.size() / 16 * 16;
    const qsizetype rest = plain.size() - whole;
    QByteArray blocks = plain.left(whole);
    QByteArray last(16, '\0');
    std::copy_n(plain.constData() + whole, rest, last.data());
    last[15] = char(rest);
    blocks.append(last);
    return cipher::base64Encode(cipher::aesEncryptBlocks(m_key, blocks));
}

std::optional<QByteArray> RijndaelEnvelope::DecryptString(const QByteArray &text) const
{
    const QByteArray bytes = cipher::base64Decode(text);
    if (bytes.size() < 16)
        throw Error(QStringLiteral("Invalid file format"));
    // Bytes after the last whole block are ignored.
    const qsizetype blocks = bytes.size() / 16;
    const QByteArray plain = cipher::aesDecryptBlocks(m_key, bytes.left(blocks * 16));
    const int count = std::uint8_t(plain[plain.size() - 1]);
    if (count > 15)
        return std::nullopt;
    return plain.left((blocks - 1) * 16 + count);
}

} // namespace vkt::storage
