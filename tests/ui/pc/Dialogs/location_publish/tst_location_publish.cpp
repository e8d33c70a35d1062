#include "Dialogs/location_publish.h"
#include "common/constants.h"

#include "support/test_environment.h"
#include "support/user_settings.h"

#include <Kivo/Settings.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QResource>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

using Kivo::Utils::Location::Info;
using TestSupport::userSetting;
using TestSupport::writeUserSettings;
namespace Key = Constants::SettingsKey;

namespace {

Info located(const QString& city, const QString& state, const QString& country, const QString& timeZone = QString())
{
    Info info;
    info.ipAddress = QStringLiteral("198.51.100.23");
    info.city = city;
    info.state = state;
    info.country = country;
    info.timeZone = timeZone;
    return info;
}

// The dialog with its controls at hand, as the presence helper keeps it.
struct Form
{
    std::unique_ptr<Dialogs::LocationPublish> dialog = std::make_unique<Dialogs::LocationPublish>();
    QRadioButton* autoLocation = child<QRadioButton>("autoLocation");
    QRadioButton* manualLocation = child<QRadioButton>("manualLocation");
    QLineEdit* regionEdit = child<QLineEdit>("regionEdit");
    QComboBox* timeComboBox = child<QComboBox>("timeComboBox");
    QCheckBox* dstCheckBox = child<QCheckBox>("dstCheckBox");
    QCheckBox* alwaysAskCheckbox = child<QCheckBox>("alwaysAskCheckbox");
    QLabel* locationToPublish = child<QLabel>("locationToPublish");
    QPushButton* setLocationButton = child<QPushButton>("setLocationButton");
    QPushButton* clearLocationButton = child<QPushButton>("clearLocationButton");
    QSignalSpy locationChanged{dialog.get(), &Dialogs::LocationPublish::locationChanged};

    template <typename T>
    T* child(const char* name) const
    {
        T* found = dialog->findChild<T*>(name);
        if (!found)
            qFatal("the dialog has no %s", name);
        return found;
    }

    void show()
    {
        dialog->loadSettings();
        dialog->show();
    }
    int indexOf(const QString& text) const { return timeComboBox->findText(text, Qt::MatchStartsWith); }
    Info lastLocation() const { return locationChanged.last().at(0).value<Info>(); }
};

} // namespace

class TestLocationPublish : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void formStartsAsDesigned();
    void loadSettingsRestoresTheLastChoice_data();
    void loadSettingsRestoresTheLastChoice();
    void locationsReceivedChoosesTheKind_data();
    void locationsReceivedChoosesTheKind();
    void displayText_data();
    void displayText();
    void timeZoneChoices();
    void timeZoneOffsets_data();
    void timeZoneOffsets();
    void daylightSaving_data();
    void daylightSaving();
    void manualControlsSelectManual();
    void publishNeedsSomethingByHand_data();
    void publishNeedsSomethingByHand();
    void publishingManualStoresItUnadjusted();
    void publishingAutomaticKeepsTheManualEntry();
    void noLocationSendsAnEmptyRefusal();
    void closingOnlyHides();
    void languageChangeKeepsTheDialogsTexts();
};

void TestLocationPublish::initTestCase()
{
    QVERIFY(QResource::registerResource(QStringLiteral(TEST_THEME_RESOURCES)));
}

void TestLocationPublish::formStartsAsDesigned()
{
    TestSupport::Environment environment;
    Form form;
    QCOMPARE(form.dialog->objectName(), QString("LocationPublishDialog"));
    QCOMPARE(form.dialog->windowTitle(), QString("My Location"));
    QCOMPARE(form.dialog->helpContext(), QString("locationPublish"));
    QCOMPARE(form.dialog->maximumSize(), QSize(800, 600));
    QVERIFY(form.autoLocation->isChecked());
    QVERIFY(form.alwaysAskCheckbox->isChecked());
    QVERIFY(!form.dstCheckBox->isEnabled());
    QCOMPARE(form.regionEdit->maxLength(), 100);
    QCOMPARE(form.regionEdit->placeholderText(), QString("Set Location"));
    QCOMPARE(form.setLocationButton->text(), QString("Publish Location"));
    QCOMPARE(form.clearLocationButton->text(), QString("No Location"));
    QVERIFY(form.setLocationButton->isDefault());
}

void TestLocationPublish::loadSettingsRestoresTheLastChoice_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<bool>("alwaysAsk");
    QTest::addColumn<bool>("manual");
    QTest::addColumn<QString>("region");
    QTest::addColumn<QString>("timeEntry");

    QTest::newRow("nothing stored") << QVariantMap() << true << false << "" << "No Time";
    QTest::newRow("never ask") << QVariantMap{{Key::LocationPublishDontAskAgain, true}} << false << false << ""
                               << "No Time";
    QTest::newRow("by hand with time zone")
        << QVariantMap{{Key::LocationPublishManuallyPublished, true},
                       {Key::LocationPublishLastManualLocation, "Home office"},
                       {Key::LocationPublishLastTimezone, "+01:00"}}
        << true << true << "Home office" << "(UTC+01:00) (Last used)";
    QTest::newRow("by hand without time zone")
        << QVariantMap{{Key::LocationPublishManuallyPublished, true}, {Key::LocationPublishLastManualLocation, "Lab"}}
        << true << true << "Lab" << "No Time";
    QTest::newRow("automatic, time zone kept")
        << QVariantMap{{Key::LocationPublishManuallyPublished, false}, {Key::LocationPublishLastManualLocation, "Lab"},
                       {Key::LocationPublishLastTimezone, "+01:00"}}
        << true << false << "" << "No Time";
}

void TestLocationPublish::loadSettingsRestoresTheLastChoice()
{
    QFETCH(QVariantMap, stored);
    QFETCH(bool, alwaysAsk);
    QFETCH(bool, manual);
    QFETCH(QString, region);
    QFETCH(QString, timeEntry);
    TestSupport::Environment environment;
    writeUserSettings(stored);
    Form form;
    form.show();
    QCOMPARE(form.alwaysAskCheckbox->isChecked(), alwaysAsk);
    QCOMPARE(form.manualLocation->isChecked(), manual);
    QCOMPARE(form.regionEdit->text(), region);
    QCOMPARE(form.timeComboBox->currentText(), timeEntry);
    QCOMPARE(form.dstCheckBox->isEnabled(), form.timeComboBox->currentIndex() > 0);
}

void TestLocationPublish::locationsReceivedChoosesTheKind_data()
{
    QTest::addColumn<Info>("manual");
    QTest::addColumn<bool>("manualChosen");
    QTest::addColumn<QString>("region");

    Info byHand;
    byHand.manualLocation = QStringLiteral("Office");
    Info cityOnly = located("Espoo", QString(), "FINLAND");
    QTest::newRow("given by hand") << byHand << true << "Office";
    QTest::newRow("automatic") << cityOnly << false << "";
    QTest::newRow("nothing") << Info() << false << "";
}

void TestLocationPublish::locationsReceivedChoosesTheKind()
{
    QFETCH(Info, manual);
    QFETCH(bool, manualChosen);
    QFETCH(QString, region);
    TestSupport::Environment environment;
    Form form;
    form.dialog->locationsReceived(located("Helsinki", QString(), "FINLAND"), manual);
    QCOMPARE(form.manualLocation->isChecked(), manualChosen);
    QCOMPARE(form.regionEdit->text(), region);
    QCOMPARE(form.autoLocation->text(), QString("Use automatic location: Helsinki, FINLAND  "));
    const QString published = manualChosen ? region : QString("Helsinki, FINLAND");
    QCOMPARE(form.locationToPublish->text(), QString("Location to be published: %1  ").arg(published));
}

void TestLocationPublish::displayText_data()
{
    QTest::addColumn<Info>("location");
    QTest::addColumn<QString>("text");

    Info byHand = located("Austin", "TX", "UNITED STATES");
    byHand.manualLocation = QStringLiteral("Home office");
    QTest::newRow("by hand wins") << byHand << "Home office";
    QTest::newRow("united states show the state") << located("Austin", "TX", "United States") << "Austin, TX";
    QTest::newRow("elsewhere the country") << located("Turku", "Varsinais-Suomi", "FINLAND") << "Turku, FINLAND";
    QTest::newRow("no city") << located(QString(), QString(), "FINLAND") << ", FINLAND";
    QTest::newRow("no region") << located("Turku", QString(), QString()) << "Turku";
    QTest::newRow("nothing") << Info() << "";
}

void TestLocationPublish::displayText()
{
    QFETCH(Info, location);
    QFETCH(QString, text);
    QCOMPARE(Dialogs::LocationPublish::displayText(location), text);
}

void TestLocationPublish::timeZoneChoices()
{
    TestSupport::Environment environment;
    Form form;
    form.show();
    QComboBox* combo = form.timeComboBox;
    const QString computer = QString("(UTC%1) (Computer time)").arg(Dialogs::LocationPublish::computerTimeOffset());
    QCOMPARE(combo->itemText(0), QString("No Time"));
    QVERIFY(combo->itemData(1, Qt::AccessibleDescriptionRole).toString() == QLatin1String("separator"));
    QCOMPARE(combo->itemText(2), QString("Suggested times"));
    QCOMPARE(combo->itemText(3), computer);
    QVERIFY(combo->itemData(4, Qt::AccessibleDescriptionRole).toString() == QLatin1String("separator"));
    // The zones west of UTC come first, farthest first.
    QCOMPARE(combo->itemText(5).left(11), QString("(UTC-12:00)"));
    QCOMPARE(combo->itemText(combo->count() - 1).left(11), QString("(UTC+14:00)"));
    QVERIFY(combo->count() > 30);

    auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    QVERIFY(model);
    QVERIFY(!model->item(2)->isEnabled());
    QVERIFY(model->item(2)->font().italic());
    QVERIFY(!(model->flags(model->index(1, 0)) & Qt::ItemIsEnabled));

    // With an automatic time zone and a last one, both are suggested.
    writeUserSettings({{Key::LocationPublishLastTimezone, "-03:30"}});
    form.dialog->locationsReceived(located("Helsinki", QString(), "FINLAND", "+02:00"), Info());
    form.dialog->loadSettings();
    QCOMPARE(combo->itemText(4), QString("(UTC+02:00) (Automatic time)"));
    QCOMPARE(combo->itemText(5), QString("(UTC-03:30) (Last used)"));
    QVERIFY(combo->itemData(6, Qt::AccessibleDescriptionRole).toString() == QLatin1String("separator"));
    QCOMPARE(combo->currentIndex(), 0);
}

void TestLocationPublish::timeZoneOffsets_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("offset");
    QTest::newRow("zone") << "(UTC-03:30) Newfoundland" << "-03:30";
    QTest::newRow("computer") << "(UTC+02:00) (Computer time)" << "+02:00";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("no time") << "No Time" << "";
}

void TestLocationPublish::timeZoneOffsets()
{
    QFETCH(QString, entry);
    QFETCH(QString, offset);
    QCOMPARE(Dialogs::LocationPublish::timeZoneOffset(entry), offset);
}

void TestLocationPublish::daylightSaving_data()
{
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("adjusted");
    QTest::addColumn<bool>("valid");
    QTest::newRow("east") << "+02:00" << "+03:00" << true;
    QTest::newRow("west") << "-05:00" << "-04:00" << true;
    QTest::newRow("half hour") << "-03:30" << "-02:30" << true;
    QTest::newRow("to zero keeps the sign") << "-01:00" << "-00:00" << true;
    QTest::newRow("unreadable") << "02:00" << "01" << false;
}

void TestLocationPublish::daylightSaving()
{
    QFETCH(QString, offset);
    QFETCH(QString, adjusted);
    QFETCH(bool, valid);
    TestSupport::Environment environment;
    QCOMPARE(Dialogs::LocationPublish::daylightSavingOffset(offset), adjusted);
    QCOMPARE(environment.logs().contains("hours.exactMatch( timeZone ) failed"), !valid);
}

void TestLocationPublish::manualControlsSelectManual()
{
    TestSupport::Environment environment;
    Form form;
    form.show();
    QTest::keyClicks(form.regionEdit, "Lab");
    QVERIFY(form.manualLocation->isChecked());

    form.autoLocation->click();
    form.timeComboBox->setCurrentIndex(form.indexOf("(UTC+05:30)"));
    QVERIFY(form.manualLocation->isChecked());
    QVERIFY(form.dstCheckBox->isEnabled());
    form.timeComboBox->setCurrentIndex(0);
    QVERIFY(!form.dstCheckBox->isEnabled());
}

void TestLocationPublish::publishNeedsSomethingByHand_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withTimeZone");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("nothing") << "" << false << false;
    QTest::newRow("blank") << "   " << false << false;
    QTest::newRow("text") << "Lab" << false << true;
    QTest::newRow("time zone") << "" << true << true;
}

void TestLocationPublish::publishNeedsSomethingByHand()
{
    QFETCH(QString, text);
    QFETCH(bool, withTimeZone);
    QFETCH(bool, enabled);
    TestSupport::Environment environment;
    Form form;
    form.show();
    form.manualLocation->click();
    form.regionEdit->setText(text);
    if (withTimeZone)
        form.timeComboBox->setCurrentIndex(form.indexOf("(UTC+01:00)"));
    QCOMPARE(form.setLocationButton->isEnabled(), enabled);
}

void TestLocationPublish::publishingManualStoresItUnadjusted()
{
    TestSupport::Environment environment;
    Form form;
    form.dialog->locationsReceived(located("Helsinki", QString(), "FINLAND", "+02:00"), Info());
    form.show();
    form.regionEdit->setText("  Home   office ");
    form.timeComboBox->setCurrentIndex(form.indexOf("(UTC-05:00)"));
    form.dstCheckBox->click();
    QCOMPARE(form.dialog->getManualLocationInfo().timeZone, QString("-04:00"));
    form.alwaysAskCheckbox->setChecked(false);
    form.setLocationButton->click();

    QCOMPARE(form.locationChanged.count(), 1);
    const QList<QVariant> arguments = form.locationChanged.last();
    QCOMPARE(form.lastLocation().manualLocation, QString("Home office"));
    QCOMPARE(form.lastLocation().timeZone, QString("-04:00"));
    QCOMPARE(arguments.at(1).toBool(), true);
    QCOMPARE(arguments.at(2).toBool(), true);
    QCOMPARE(userSetting(Key::LocationPublishLastManualLocation).toString(), QString("Home office"));
    QCOMPARE(userSetting(Key::LocationPublishLastTimezone).toString(), QString("-05:00"));
    QCOMPARE(userSetting(Key::LocationPublishManuallyPublished).toBool(), true);
    QCOMPARE(userSetting(Key::LocationPublishLastReceivedIpAddress).toString(), QString("198.51.100.23"));

    // Reset for the next showing.
    QVERIFY(!form.dialog->isVisible());
    QVERIFY(!form.dstCheckBox->isChecked());
    QVERIFY(form.autoLocation->isChecked());
    QVERIFY(form.regionEdit->text().isEmpty());
    QCOMPARE(form.timeComboBox->currentIndex(), 0);

    // The next showing suggests and selects the time zone last used.
    form.show();
    QCOMPARE(form.timeComboBox->currentText(), QString("(UTC-05:00) (Last used)"));
    QCOMPARE(form.regionEdit->text(), QString("Home office"));
}

void TestLocationPublish::publishingAutomaticKeepsTheManualEntry()
{
    TestSupport::Environment environment;
    writeUserSettings({{Key::LocationPublishLastManualLocation, "Lab"}, {Key::LocationPublishLastTimezone, "+01:00"}});
    Form form;
    const Info automatic = located("Austin", "TX", "UNITED STATES", "-06:00");
    form.dialog->locationsReceived(automatic, Info());
    form.show();
    form.setLocationButton->click();

    QCOMPARE(form.lastLocation(), automatic);
    QCOMPARE(form.lastLocation().ipAddress, automatic.ipAddress);
    QCOMPARE(form.locationChanged.last().at(1).toBool(), false);
    QCOMPARE(userSetting(Key::LocationPublishManuallyPublished).toBool(), false);
    QCOMPARE(userSetting(Key::LocationPublishLastReceivedIpAddress).toString(), QString("198.51.100.23"));
    QCOMPARE(userSetting(Key::LocationPublishLastManualLocation).toString(), QString("Lab"));
    QCOMPARE(userSetting(Key::LocationPublishLastTimezone).toString(), QString("+01:00"));
}

void TestLocationPublish::noLocationSendsAnEmptyRefusal()
{
    TestSupport::Environment environment;
    Form form;
    form.dialog->locationsReceived(located("Helsinki", QString(), "FINLAND"), Info());
    form.show();
    form.regionEdit->setText("Lab");
    form.clearLocationButton->click();

    QCOMPARE(form.locationChanged.count(), 1);
    QCOMPARE(form.lastLocation(), Info());
    QVERIFY(form.lastLocation().ipAddress.isEmpty());
    QCOMPARE(form.locationChanged.last().at(2).toBool(), false);
    QVERIFY(!userSetting(Key::LocationPublishManuallyPublished).isValid());
    QVERIFY(!userSetting(Key::LocationPublishLastReceivedIpAddress).isValid());
    QVERIFY(!form.dialog->isVisible());
}

void TestLocationPublish::closingOnlyHides()
{
    TestSupport::Environment environment;
    Form form;
    QPointer<Dialogs::LocationPublish> guard(form.dialog.get());
    form.show();
    form.regionEdit->setText("Lab");
    form.timeComboBox->setCurrentIndex(form.indexOf("(UTC+01:00)"));
    form.dstCheckBox->setChecked(true);
    QVERIFY(!form.dialog->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard);
    QVERIFY(!form.dialog->isVisible());
    QCOMPARE(form.locationChanged.count(), 0);
    QVERIFY(!form.dstCheckBox->isChecked());
    QVERIFY(form.regionEdit->text().isEmpty());
    QVERIFY(form.autoLocation->isChecked());
}

void TestLocationPublish::languageChangeKeepsTheDialogsTexts()
{
    TestSupport::Environment environment;
    Form form;
    form.dialog->locationsReceived(located("Helsinki", QString(), "FINLAND"), Info());
    form.show();
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(form.dialog.get(), &languageChange);
    QCOMPARE(form.locationToPublish->text(), QString("Location to be published: Helsinki, FINLAND  "));
    QCOMPARE(form.autoLocation->text(), QString("Use automatic location: Helsinki, FINLAND  "));
    QCOMPARE(form.timeComboBox->itemText(0), QString("No Time"));
}

QTEST_MAIN(TestLocationPublish)
#include "tst_location_publish.moc"
