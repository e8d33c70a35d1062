#include "Providers/config_xml.h"
#include "support/test_environment.h"

#include <Kivo/Configuration/Config.h>

#include <QMetaProperty>
#include <QTest>

class ConfigXmlTest : public QObject
{
    Q_OBJECT

private slots:
    void propertiesInOrder();
    void readsItems();
    void transferType_data();
    void transferType();
    void voiceMail_data();
    void voiceMail();
    void withoutConfiguration();
};

namespace {

Kivo::Configuration::Config* makeConfig(const QHash<int, QVariant>& items, QObject* parent)
{
    Kivo::Configuration::Config::Document document;
    document.name = QStringLiteral("Test");
    document.items = items;
    return new Kivo::Configuration::Config(QStringLiteral("config.xml"), document, parent);
}

} // namespace

void ConfigXmlTest::propertiesInOrder()
{
    const QMetaObject& meta = QML::ConfigXML::staticMetaObject;
    QStringList names;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        QVERIFY(property.isConstant());
        QVERIFY(!property.isWritable());
        names << QString::fromLatin1(property.name());
    }
    QCOMPARE(names, QStringList({"playingFileIntoCall", "callTransferType",
                                 "offlineMsgIndicatorEnabled", "conferenceBridgeAutoDetect",
                                 "roomsUseQvd", "conferenceModeratorControls", "presenceEnabled",
                                 "locationEnabled", "projectRoomsEnabled", "voiceMailEnabled",
                                 "visualVoiceMailEnabled", "bannerEnabled", "bannerUrl",
                                 "bannerHeight"}));
}

void ConfigXmlTest::readsItems()
{
    TestSupport::Environment env;
    QObject owner;
    const auto* config = makeConfig({{86, "true"},
                                     {132, "1"},
                                     {68, "true"},
                                     {61, "false"},
                                     {70, "TRUE"},
                                     {75, "full"},
                                     {6, "true"},
                                     {395, "true"},
                                     {63, "0"},
                                     {128, "8000"},
                                     {126, "true"},
                                     {392, "true"},
                                     {393, "https://banner.example/ad"},
                                     {394, "abc"}},
                                    &owner);
    const Providers::ConfigXML values(config);
    const QObject& published = values;

    const QVariantMap expected{{"playingFileIntoCall", true},
                               {"offlineMsgIndicatorEnabled", true},
                               {"conferenceBridgeAutoDetect", true},
                               {"roomsUseQvd", false},
                               {"conferenceModeratorControls", true},
                               {"callTransferType", 3},
                               {"presenceEnabled", true},
                               {"locationEnabled", true},
                               {"projectRoomsEnabled", false},
                               {"voiceMailEnabled", true},
                               {"visualVoiceMailEnabled", true},
                               {"bannerEnabled", true},
                               {"bannerUrl", "https://banner.example/ad"},
                               {"bannerHeight", 0}};
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it)
        QCOMPARE(published.property(it.key().toLatin1()), it.value());
}

void ConfigXmlTest::transferType_data()
{
    QTest::addColumn<QVariant>("item");
    QTest::addColumn<int>("type");
    QTest::newRow("talk-first") << QVariant("talk-first") << 1;
    QTest::newRow("blind") << QVariant("blind") << 2;
    QTest::newRow("full") << QVariant("full") << 3;
    QTest::newRow("capital B") << QVariant("Blind") << 0;
    QTest::newRow("padded") << QVariant(" full") << 0;
    QTest::newRow("missing") << QVariant() << 0;
}

void ConfigXmlTest::transferType()
{
    QFETCH(QVariant, item);
    QFETCH(int, type);
    QObject owner;
    QHash<int, QVariant> items;
    if (item.isValid())
        items.insert(75, item);
    const Providers::ConfigXML values(makeConfig(items, &owner));
    QCOMPARE(values.callTransferType(), type);
}

void ConfigXmlTest::voiceMail_data()
{
    QTest::addColumn<QVariant>("item");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("number") << QVariant("8000") << true;
    QTest::newRow("the word false") << QVariant("false") << true;
    QTest::newRow("empty") << QVariant("") << false;
    QTest::newRow("missing") << QVariant() << false;
}

void ConfigXmlTest::voiceMail()
{
    QFETCH(QVariant, item);
    QFETCH(bool, enabled);
    QObject owner;
    QHash<int, QVariant> items;
    if (item.isValid())
        items.insert(128, item);
    const Providers::ConfigXML values(makeConfig(items, &owner));
    QCOMPARE(values.voiceMailEnabled(), enabled);
}

void ConfigXmlTest::withoutConfiguration()
{
    const Providers::ConfigXML values(nullptr);
    const QMetaObject& meta = QML::ConfigXML::staticMetaObject;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QVariant value = meta.property(i).read(&values);
        QVERIFY2(value.isValid(), meta.property(i).name());
        // false, 0 or an empty text: the default value of the property's own type.
        QVERIFY2(value == QVariant(value.type()), meta.property(i).name());
    }
}

QTEST_GUILESS_MAIN(ConfigXmlTest)
#include "tst_config_xml.moc"
