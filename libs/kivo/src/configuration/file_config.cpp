#include <Kivo/Configuration/BuiltinKey.h>
#include <Kivo/Configuration/Config.h>

#include "../kivo_log.h"

#include <Tesk/Bytes.h>
#include <Tesk/Crypto/Blowfish.h>
#include <Tesk/StoredFile.h>

#include <QFile>

namespace Kivo {
namespace Configuration {

namespace {

using Tesk::Core::Logging::LevelError;

constexpr qint64 MaxDocumentSize = 1024 * 1024;

bool initializeCipher(Tesk::Crypto::Blowfish& cipher)
{
    Tesk::Bytes key;
    key.Copy(BuiltinKey, BuiltinKeyLength);
    return cipher.Initialize(key, BuiltinKeyMode);
}

} // namespace

std::unique_ptr<Config> Config::FileConfig(QFile& target, QFile& source, bool sourceEncrypted, bool* ok)
{
    if (ok)
        *ok = false;
    if (target.fileName().isEmpty()) {
        KIVO_LOG(LevelError) << "Configuration document not installed: there is no target file";
        return nullptr;
    }
    if (!source.isOpen() && !source.open(QIODevice::ReadOnly)) {
        KIVO_LOG(LevelError) << "Configuration document " << source.fileName() << " not installed: "
                             << source.errorString();
        return nullptr;
    }
    source.seek(0);
    // Read with a bound rather than trusting the size, which a device or a growing file misstates.
    const QByteArray input = source.read(MaxDocumentSize + 1);
    if (input.size() > MaxDocumentSize) {
        KIVO_LOG(LevelError) << "Configuration document " << source.fileName() << " not installed: it is larger than "
                             << MaxDocumentSize << " bytes";
        return nullptr;
    }

    Tesk::Crypto::Blowfish cipher;
    if (!initializeCipher(cipher)) {
        KIVO_LOG(LevelError) << "Configuration document not installed: the cipher does not take the built-in key";
        return nullptr;
    }
    QByteArray plain = input;
    if (sourceEncrypted) {
        const Tesk::Bytes decrypted = cipher.Decrypt(Tesk::Bytes(input));
        if (decrypted.isNull()) {
            KIVO_LOG(LevelError) << "Configuration document " << source.fileName() << " not installed: it does not decrypt";
            return nullptr;
        }
        plain = decrypted.toByteArray();
    }

    Document document;
    QString error;
    if (!parse(plain, document, &error)) {
        KIVO_LOG(LevelError) << "Configuration document " << source.fileName()
                             << " not installed: it is not a configuration (" << error << ")";
        return nullptr;
    }

    const Tesk::Bytes encrypted = cipher.Encrypt(Tesk::Bytes(plain));
    if (encrypted.isNull()) {
        KIVO_LOG(LevelError) << "Configuration document " << source.fileName() << " not installed: it does not encrypt";
        return nullptr;
    }
    // A failure is logged, and the file there before stays whole.
    if (!Tesk::StoredFile::write(target.fileName(), encrypted.toByteArray()))
        return nullptr;
    if (ok)
        *ok = true;
    return std::make_unique<Config>(target.fileName(), document);
}

} // namespace Configuration
} // namespace Kivo
