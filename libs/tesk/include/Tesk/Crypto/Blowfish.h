#pragma once

#include <Tesk/Bytes.h>

struct gcry_cipher_handle;

namespace Tesk {
namespace Crypto {

// Blowfish with a key of 4 to 56 bytes.
//
// Cipher text layouts by mode:
//   ModeEcb: the blocks only; the plain text is padded (PKCS#7: 1 to 8 bytes, each the pad length).
//   ModeCbc: an 8-byte random IV, then the blocks; padded as ModeEcb.
//   ModeCfb: an 8-byte random IV, then as many bytes as the plain text; no padding.
// Decrypt() returns a null buffer (and logs why) for input that cannot be cipher text of
// the mode: wrong length, bad padding, or no key. A wrong key is detected only through the
// padding check of the padded modes.
//
// Not thread-safe: one instance per thread.
class Blowfish
{
public:
    enum Mode
    {
        ModeEcb = 1,
        ModeCbc = 2,
        ModeCfb = 3
    };

    Blowfish();
    ~Blowfish();
    Blowfish(const Blowfish&) = delete;
    Blowfish& operator=(const Blowfish&) = delete;

    // Keys the cipher; false (and an unkeyed cipher) for a key length or mode it cannot take.
    bool Initialize(const Bytes& key, Mode mode);
    bool Initialize(const Bytes& key, int mode);
    bool isInitialized() const { return m_Handle != nullptr; }

    Bytes Encrypt(const Bytes& plain);
    Bytes Decrypt(const Bytes& cipher);

private:
    void release();

    gcry_cipher_handle* m_Handle = nullptr;
    Mode m_Mode = ModeCbc;
};

} // namespace Crypto
} // namespace Tesk
