// Build tool: encrypts a plain configuration document with the program's built-in key so
// that the configuration container can read it.
//
//   kivo_config_encrypt <plain.xml> <config*.xml>

#include <Kivo/Configuration/BuiltinKey.h>
#include <Kivo/Configuration/Config.h>

#include <Tesk/Bytes.h>
#include <Tesk/Crypto/Blowfish.h>

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <cstdio>

namespace {

int fail(const QString& text)
{
    std::fprintf(stderr, "kivo_config_encrypt: %s\n", qPrintable(text));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
        return fail(QStringLiteral("usage: kivo_config_encrypt <plain.xml> <config*.xml>"));
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    QFile plainFile(input);
    if (!plainFile.open(QIODevice::ReadOnly))
        return fail(input + ": " + plainFile.errorString());
    const QByteArray plain = plainFile.readAll();

    // A broken document would only be noticed when the program skips it; stop the build instead.
    Kivo::Configuration::Config::Document document;
    QString error;
    if (!Kivo::Configuration::Config::parse(plain, document, &error))
        return fail(input + ": not a configuration: " + error);

    Tesk::Crypto::Blowfish cipher;
    Tesk::Bytes key;
    key.Copy(Kivo::Configuration::BuiltinKey, Kivo::Configuration::BuiltinKeyLength);
    if (!cipher.Initialize(key, Kivo::Configuration::BuiltinKeyMode))
        return fail(QStringLiteral("the cipher does not take the built-in key"));
    const Tesk::Bytes encrypted = cipher.Encrypt(Tesk::Bytes(plain));
    if (encrypted.isNull())
        return fail(QStringLiteral("encryption failed"));

    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(encrypted.toByteArray()) != encrypted.Length() || !out.commit())
        return fail(output + ": " + out.errorString());
    return 0;
}
