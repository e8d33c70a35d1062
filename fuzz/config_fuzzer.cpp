// Configuration files: whatever a file holds is decrypted with the built-in key and read as
// a configuration document without harm; the plain bytes are read as a document too, so
// that the reader is reached without the cipher in the way.
#include <Kivo/Configuration/BuiltinKey.h>
#include <Kivo/Configuration/Config.h>
#include <Tesk/Bytes.h>
#include <Tesk/Crypto/Blowfish.h>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Tesk::Crypto::Blowfish* const cipher = [] {
        auto* made = new Tesk::Crypto::Blowfish;
        Tesk::Bytes key;
        key.Copy(Kivo::Configuration::BuiltinKey, Kivo::Configuration::BuiltinKeyLength);
        made->Initialize(key, Kivo::Configuration::BuiltinKeyMode);
        return made;
    }();
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    Kivo::Configuration::Config::Document document;
    QString error;
    Kivo::Configuration::Config::parse(bytes, document, &error);

    const Tesk::Bytes plain = cipher->Decrypt(Tesk::Bytes(bytes));
    if (!plain.isNull()) {
        Kivo::Configuration::Config::Document decrypted;
        Kivo::Configuration::Config::parse(plain.toByteArray(), decrypted, &error);
    }
    return 0;
}
