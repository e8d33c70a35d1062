#include <Tesk/Crypto/Blowfish.h>

#include <Tesk/Core/Logging/ApacheLogger.h>

#include <gcrypt.h>

#include <mutex>

namespace Tesk {
namespace Crypto {

namespace {
constexpr int BlockSize = 8;
constexpr int SmallestKey = 4;
constexpr int LargestKey = 56;

void logError(int line, const char* function, const QString& text)
{
    Core::Logging::ApacheLogger("tesk/crypto/blowfish", line, function, Core::Logging::LevelError, "AppLogger")
        << text;
}

QString gcryptError(gcry_error_t error)
{
    return QString::fromUtf8(gcry_strerror(error));
}

bool initializeLibrary()
{
    static bool ready = false;
    static std::once_flag once;
    std::call_once(once, [] {
        if (!gcry_check_version(GCRYPT_VERSION)) {
            logError(__LINE__, "Tesk::Crypto::Blowfish::Initialize", QStringLiteral("libgcrypt is too old"));
            return;
        }
        // Someone else in the process may own the library's set-up.
        if (!gcry_control(GCRYCTL_INITIALIZATION_FINISHED_P)) {
            gcry_control(GCRYCTL_DISABLE_SECMEM, 0);
            gcry_control(GCRYCTL_INITIALIZATION_FINISHED, 0);
        }
        ready = true;
    });
    return ready;
}

int gcryptMode(Blowfish::Mode mode)
{
    switch (mode) {
    case Blowfish::ModeEcb:
        return GCRY_CIPHER_MODE_ECB;
    case Blowfish::ModeCbc:
        return GCRY_CIPHER_MODE_CBC;
    case Blowfish::ModeCfb:
        return GCRY_CIPHER_MODE_CFB;
    }
    return GCRY_CIPHER_MODE_NONE;
}

bool hasIv(Blowfish::Mode mode)
{
    return mode != Blowfish::ModeEcb;
}

bool isPadded(Blowfish::Mode mode)
{
    return mode != Blowfish::ModeCfb;
}
} // namespace

Blowfish::Blowfish() = default;

Blowfish::~Blowfish()
{
    release();
}

void Blowfish::release()
{
    if (m_Handle) {
        gcry_cipher_close(m_Handle);
        m_Handle = nullptr;
    }
}

bool Blowfish::Initialize(const Bytes& key, int mode)
{
    if (mode != ModeEcb && mode != ModeCbc && mode != ModeCfb) {
        release();
        logError(__LINE__, "Tesk::Crypto::Blowfish::Initialize", QStringLiteral("Unknown cipher mode ") + QString::number(mode));
        return false;
    }
    return Initialize(key, Mode(mode));
}

bool Blowfish::Initialize(const Bytes& key, Mode mode)
{
    release();
    if (key.Length() < SmallestKey || key.Length() > LargestKey) {
        logError(__LINE__, "Tesk::Crypto::Blowfish::Initialize",
                 QStringLiteral("Unusable key length ") + QString::number(key.Length()));
        return false;
    }
    if (!initializeLibrary())
        return false;
    gcry_cipher_hd_t handle = nullptr;
    gcry_error_t error = gcry_cipher_open(&handle, GCRY_CIPHER_BLOWFISH, gcryptMode(mode), 0);
    if (!error)
        error = gcry_cipher_setkey(handle, key.Ptr(), size_t(key.Length()));
    if (error) {
        if (handle)
            gcry_cipher_close(handle);
        logError(__LINE__, "Tesk::Crypto::Blowfish::Initialize", QStringLiteral("Cannot key the cipher: ") + gcryptError(error));
        return false;
    }
    m_Handle = handle;
    m_Mode = mode;
    return true;
}

Bytes Blowfish::Encrypt(const Bytes& plain)
{
    if (!m_Handle) {
        logError(__LINE__, "Tesk::Crypto::Blowfish::Encrypt", QStringLiteral("Cipher used without a key"));
        return Bytes();
    }
    QByteArray data = plain.toByteArray();
    if (isPadded(m_Mode)) {
        const int pad = BlockSize - data.size() % BlockSize;
        data.append(QByteArray(pad, char(pad)));
    }
    QByteArray iv;
    if (hasIv(m_Mode)) {
        iv.resize(BlockSize);
        gcry_create_nonce(iv.data(), size_t(iv.size()));
    }
    gcry_error_t error = 0;
    if (!iv.isEmpty())
        error = gcry_cipher_setiv(m_Handle, iv.constData(), size_t(iv.size()));
    if (!error)
        error = gcry_cipher_encrypt(m_Handle, data.data(), size_t(data.size()), nullptr, 0);
    if (error) {
        logError(__LINE__, "Tesk::Crypto::Blowfish::Encrypt", QStringLiteral("Encryption failed: ") + gcryptError(error));
        return Bytes();
    }
    return Bytes(iv + data);
}

Bytes Blowfish::Decrypt(const Bytes& cipher)
{
    const char* function = "Tesk::Crypto::Blowfish::Decrypt";
    if (!m_Handle) {
        logError(__LINE__, function, QStringLiteral("Cipher used without a key"));
        return Bytes();
    }
    const int ivLength = hasIv(m_Mode) ? BlockSize : 0;
    const int bodyLength = cipher.Length() - ivLength;
    if (bodyLength < 0 || (isPadded(m_Mode) && (bodyLength == 0 || bodyLength % BlockSize != 0))) {
        logError(__LINE__, function, QStringLiteral("Cipher text of unusable length ") + QString::number(cipher.Length()));
        return Bytes();
    }
    QByteArray data(reinterpret_cast<const char*>(cipher.Ptr()) + ivLength, bodyLength);
    gcry_error_t error = 0;
    if (ivLength > 0)
        error = gcry_cipher_setiv(m_Handle, cipher.Ptr(), size_t(ivLength));
    if (!error)
        error = gcry_cipher_decrypt(m_Handle, data.data(), size_t(data.size()), nullptr, 0);
    if (error) {
        logError(__LINE__, function, QStringLiteral("Decryption failed: ") + gcryptError(error));
        return Bytes();
    }
    if (isPadded(m_Mode)) {
        const int pad = static_cast<unsigned char>(data.at(data.size() - 1));
        bool valid = pad >= 1 && pad <= BlockSize;
        for (int index = data.size() - pad; valid && index < data.size(); ++index)
            valid = static_cast<unsigned char>(data.at(index)) == pad;
        if (!valid) {
            logError(__LINE__, function, QStringLiteral("Decryption failed: bad padding (wrong key or damaged data)"));
            return Bytes();
        }
        data.chop(pad);
    }
    return Bytes(data);
}

} // namespace Crypto
} // namespace Tesk
