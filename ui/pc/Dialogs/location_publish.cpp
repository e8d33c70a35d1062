#include "Dialogs/location_publish.h"

#include "Utils/string_helper.h"
#include "common/connect_check.h"
#include "common/constants.h"
#include "common/logging.h"

#include <Kivo/Settings.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExp>
#include <QSpacerItem>
#include <QStandardItemModel>
#include <QTextStream>
#include <QVBoxLayout>

namespace Ui {

// The dialog's form, laid out as the form designer would.
class LocationPublishDialog
{
public:
    QVBoxLayout* verticalLayout = nullptr;
    QLabel* label = nullptr;
    QRadioButton* autoLocation = nullptr;
    QRadioButton* manualLocation = nullptr;
    QGridLayout* gridLayout = nullptr;
    QLineEdit* regionEdit = nullptr;
    QComboBox* timeComboBox = nullptr;
    QCheckBox* dstCheckBox = nullptr;
    QCheckBox* alwaysAskCheckbox = nullptr;
    QFrame* line = nullptr;
    QLabel* locationToPublish = nullptr;
    QHBoxLayout* horizontalLayout_2 = nullptr;
    QPushButton* setLocationButton = nullptr;
    QPushButton* clearLocationButton = nullptr;
    QButtonGroup* buttonGroup = nullptr;

    void setupUi(QWidget* form)
    {
        form->setObjectName("LocationPublishDialog");
        form->resize(564, 255);
        form->setMaximumSize(800, 600);

        verticalLayout = new QVBoxLayout(form);
        verticalLayout->setObjectName("verticalLayout");

        label = new QLabel(form);
        label->setObjectName("label");
        label->setWordWrap(true);
        verticalLayout->addWidget(label);

        buttonGroup = new QButtonGroup(form);
        buttonGroup->setObjectName("buttonGroup");
        autoLocation = new QRadioButton(form);
        autoLocation->setObjectName("autoLocation");
        autoLocation->setChecked(true);
        buttonGroup->addButton(autoLocation);
        verticalLayout->addWidget(autoLocation);
        manualLocation = new QRadioButton(form);
        manualLocation->setObjectName("manualLocation");
        buttonGroup->addButton(manualLocation);
        verticalLayout->addWidget(manualLocation);

        gridLayout = new QGridLayout();
        gridLayout->setObjectName("gridLayout");
        gridLayout->setContentsMargins(16, 0, 0, 0);
        regionEdit = new QLineEdit(form);
        regionEdit->setObjectName("regionEdit");
        regionEdit->setMinimumWidth(240);
        regionEdit->setMaxLength(100);
        gridLayout->addWidget(regionEdit, 0, 0);
        timeComboBox = new QComboBox(form);
        timeComboBox->setObjectName("timeComboBox");
        timeComboBox->setMinimumWidth(100);
        timeComboBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        timeComboBox->setMinimumContentsLength(40);
        gridLayout->addWidget(timeComboBox, 0, 1);
        dstCheckBox = new QCheckBox(form);
        dstCheckBox->setObjectName("dstCheckBox");
        dstCheckBox->setCheckable(true);
        dstCheckBox->setEnabled(false);
        gridLayout->addWidget(dstCheckBox, 1, 0, 1, 2);
        gridLayout->addItem(new QSpacerItem(30, 20, QSizePolicy::Fixed, QSizePolicy::Minimum), 0, 2, 2, 1);
        verticalLayout->addLayout(gridLayout);

        alwaysAskCheckbox = new QCheckBox(form);
        alwaysAskCheckbox->setObjectName("alwaysAskCheckbox");
        alwaysAskCheckbox->setChecked(true);
        verticalLayout->addWidget(alwaysAskCheckbox);

        line = new QFrame(form);
        line->setObjectName("line");
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        verticalLayout->addWidget(line);

        locationToPublish = new QLabel(form);
        locationToPublish->setObjectName("locationToPublish");
        locationToPublish->setTextFormat(Qt::PlainText);
        locationToPublish->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        locationToPublish->setWordWrap(true);
        verticalLayout->addWidget(locationToPublish);

        horizontalLayout_2 = new QHBoxLayout();
        horizontalLayout_2->setObjectName("horizontalLayout_2");
        horizontalLayout_2->addItem(new QSpacerItem(128, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
        setLocationButton = new QPushButton(form);
        setLocationButton->setObjectName("setLocationButton");
        setLocationButton->setAutoDefault(true);
        setLocationButton->setDefault(true);
        horizontalLayout_2->addWidget(setLocationButton);
        clearLocationButton = new QPushButton(form);
        clearLocationButton->setObjectName("clearLocationButton");
        horizontalLayout_2->addWidget(clearLocationButton);
        verticalLayout->addLayout(horizontalLayout_2);

        retranslateUi(form);
    }

    void retranslateUi(QWidget* form)
    {
        form->setWindowTitle(QCoreApplication::translate("LocationPublishDialog", "My Location"));
        label->setText(QCoreApplication::translate(
            "LocationPublishDialog",
            "Your location is automatically determined when a location change is detected. You can choose to "
            "publish the automatically determined location or manually set the location description and time zone."));
        autoLocation->setText(QCoreApplication::translate("LocationPublishDialog", "Use auto location"));
        manualLocation->setText(QCoreApplication::translate("LocationPublishDialog", "Use manual location"));
        regionEdit->setPlaceholderText(QCoreApplication::translate("LocationPublishDialog", "Set Location"));
        dstCheckBox->setText(
            QCoreApplication::translate("LocationPublishDialog", "Adjust for Daylight Savings Time (DST)"));
        alwaysAskCheckbox->setText(QCoreApplication::translate(
            "LocationPublishDialog", "Always ask before publishing new location information"));
        locationToPublish->setText(
            QCoreApplication::translate("LocationPublishDialog", "Location to be published: HELSINKI, FINLAND 15:30"));
        setLocationButton->setText(QCoreApplication::translate("LocationPublishDialog", "Publish Location"));
        clearLocationButton->setText(QCoreApplication::translate("LocationPublishDialog", "No Location"));
    }
};

} // namespace Ui

namespace Dialogs {

namespace Key = Constants::SettingsKey;
using Kivo::Utils::Location::Info;

namespace {

const char* const TimeZoneResource = ":/location_data/timezone.csv";

} // namespace

LocationPublish::LocationPublish(QWidget* parent)
    : Widgets::Window(parent, false, true)
    , m_Form(std::make_unique<Ui::LocationPublishDialog>())
{
    m_Form->setupUi(this);
    setTitle(windowTitle());
    setCanMaximize(false);
    setResizable(false);
    loadTimeZones();
    m_TimeTimer.setInterval(60000);
    m_Form->alwaysAskCheckbox->setChecked(!dontAskAgain());
    m_Form->setLocationButton->setFocus();
    if (layout())
        resize(layout()->sizeHint());
    else
        LOG_WARNING << "Layout is NULL";

    CHECKED_CONNECT(m_Form->setLocationButton, &QPushButton::clicked, this, &LocationPublish::setLocation);
    CHECKED_CONNECT(m_Form->clearLocationButton, &QPushButton::clicked, this, &LocationPublish::clearLocation);
    CHECKED_CONNECT(m_Form->regionEdit, &QLineEdit::textChanged, this, &LocationPublish::locationTextChanged);
    CHECKED_CONNECT(m_Form->timeComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                    &LocationPublish::timezoneIndexChanged);
    CHECKED_CONNECT(m_Form->autoLocation, &QRadioButton::clicked, this, &LocationPublish::updateUi);
    CHECKED_CONNECT(m_Form->dstCheckBox, &QCheckBox::clicked, this, &LocationPublish::updateUi);
    CHECKED_CONNECT(m_Form->manualLocation, &QRadioButton::clicked, this, &LocationPublish::updateUi);
    CHECKED_CONNECT(&m_TimeTimer, &QTimer::timeout, this, &LocationPublish::updateTimeRelatedText);
}

LocationPublish::~LocationPublish() = default;

QString LocationPublish::helpContext() const
{
    return QStringLiteral("locationPublish");
}

bool LocationPublish::canClose()
{
    // Closing is only a way of not answering now; the dialog is needed again later.
    resetAndHide();
    return false;
}

bool LocationPublish::dontAskAgain() const
{
    return Kivo::Settings(Kivo::Settings::UserSettings).value(Key::LocationPublishDontAskAgain, false).toBool();
}

void LocationPublish::loadSettings()
{
    const Kivo::Settings settings(Kivo::Settings::UserSettings);
    m_Form->alwaysAskCheckbox->setChecked(!settings.value(Key::LocationPublishDontAskAgain, false).toBool());
    if (settings.value(Key::LocationPublishManuallyPublished, false).toBool()) {
        m_Form->manualLocation->setChecked(true);
        m_Form->regionEdit->setText(settings.value(Key::LocationPublishLastManualLocation).toString());
    }
    fillTimeComboBox();
    updateUi();
    m_TimeTimer.start();
}

void LocationPublish::locationsReceived(Info automatic, Info manual)
{
    m_AutomaticLocation = automatic;
    if (!manual.manualLocation.isEmpty()) {
        m_Form->manualLocation->setChecked(true);
        m_Form->regionEdit->setText(manual.manualLocation);
    } else {
        m_Form->autoLocation->setChecked(true);
    }
    updateUi();
}

QString LocationPublish::simplifiedRegion() const
{
    return m_Form->regionEdit->text().simplified();
}

Info LocationPublish::getManualLocationInfo() const
{
    Info location;
    location.manualLocation = simplifiedRegion();
    const QString entry = m_Form->timeComboBox->currentText();
    if (m_Form->timeComboBox->currentIndex() > 0 && !entry.isEmpty()) {
        location.timeZone = timeZoneOffset(entry);
        if (m_Form->dstCheckBox->isEnabled() && m_Form->dstCheckBox->isChecked())
            location.timeZone = daylightSavingOffset(location.timeZone);
    }
    return location;
}

Info LocationPublish::locationToPublish() const
{
    return m_Form->autoLocation->isChecked() ? m_AutomaticLocation : getManualLocationInfo();
}

QString LocationPublish::displayText(const Info& location)
{
    if (!location.manualLocation.isEmpty())
        return location.manualLocation;
    QString text = location.city;
    const QString region = location.country.compare(QLatin1String("UNITED STATES"), Qt::CaseInsensitive) == 0
                               ? location.state
                               : location.country;
    if (!region.isEmpty())
        text += QLatin1String(", ") + region;
    return text;
}

QString LocationPublish::timeText(const Info& location) const
{
    if (location.timeZone.isEmpty())
        return QString();
    return Utils::StringHelper::timeToString(Utils::StringHelper::currentTimeAtUtcOffset(location.timeZone).time());
}

void LocationPublish::updateTimeRelatedText()
{
    const Info publish = locationToPublish();
    m_Form->locationToPublish->setText(tr("Location to be published: %1  %2").arg(displayText(publish), timeText(publish)));
    m_Form->autoLocation->setText(
        tr("Use automatic location: %1  %2").arg(displayText(m_AutomaticLocation), timeText(m_AutomaticLocation)));
}

void LocationPublish::updateUi()
{
    m_Form->setLocationButton->setEnabled(!(m_Form->manualLocation->isChecked() && simplifiedRegion().isEmpty()
                                            && m_Form->timeComboBox->currentIndex() == 0));
    updateTimeRelatedText();
}

void LocationPublish::locationTextChanged()
{
    if (!m_Form->manualLocation->isChecked() && !simplifiedRegion().isEmpty())
        m_Form->manualLocation->setChecked(true);
    updateUi();
}

void LocationPublish::timezoneIndexChanged()
{
    const int index = m_Form->timeComboBox->currentIndex();
    m_Form->dstCheckBox->setEnabled(index >= 1);
    if (!m_Form->manualLocation->isChecked() && index > 0)
        m_Form->manualLocation->setChecked(true);
    updateUi();
}

void LocationPublish::setLocation()
{
    const Info location = locationToPublish();
    const bool manual = m_Form->manualLocation->isChecked();
    Kivo::Settings settings(Kivo::Settings::UserSettings);
    if (manual) {
        settings.setValue(Key::LocationPublishLastManualLocation, simplifiedRegion());
        const bool noTime = m_Form->timeComboBox->currentIndex() == 0;
        settings.setValue(Key::LocationPublishLastTimezone,
                          noTime ? QString() : timeZoneOffset(m_Form->timeComboBox->currentText()));
    }
    settings.setValue(Key::LocationPublishLastReceivedIpAddress, m_AutomaticLocation.ipAddress);
    settings.setValue(Key::LocationPublishManuallyPublished, manual);
    settings.sync();
    emit locationChanged(location, !m_Form->alwaysAskCheckbox->isChecked(), true);
    resetAndHide();
}

void LocationPublish::clearLocation()
{
    emit locationChanged(Info(), !m_Form->alwaysAskCheckbox->isChecked(), false);
    resetAndHide();
}

void LocationPublish::resetAndHide()
{
    m_Form->dstCheckBox->setChecked(false);
    m_Form->autoLocation->setChecked(true);
    m_Form->regionEdit->clear();
    m_Form->timeComboBox->setCurrentIndex(0);
    hide();
    m_TimeTimer.stop();
}

void LocationPublish::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The form's texts first: the dialog's own texts replace two of them right after.
        m_Form->retranslateUi(this);
        setTitle(windowTitle());
        fillTimeComboBox();
        updateUi();
    }
    Widgets::Window::changeEvent(event);
}

void LocationPublish::loadTimeZones()
{
    QFile file(QString::fromLatin1(TimeZoneResource));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        if (!line.startsWith(QLatin1Char('"')))
            continue;
        const int closingQuote = line.indexOf(QLatin1Char('"'), 1);
        if (closingQuote < 0)
            continue;
        const QString description = line.mid(1, closingQuote - 1);
        const QStringList parts = line.mid(closingQuote + 2).split(QLatin1Char(','));
        if (parts.size() < 2)
            continue;
        const QString offset = parts.at(1);
        const QString entry = QStringLiteral("(UTC%1) %2").arg(offset, description);
        if (offset.startsWith(QLatin1Char('-')))
            m_TimeZones.prepend(entry);
        else
            m_TimeZones.append(entry);
    }
}

QString LocationPublish::computerTimeOffset()
{
    QDateTime local = QDateTime::currentDateTime();
    const QDateTime utc = local.toUTC();
    // Read the local wall clock as if it were UTC: the difference is the local offset.
    local.setTimeSpec(Qt::OffsetFromUTC);
    const qint64 seconds = utc.secsTo(local);
    const QString sign = seconds < 0 ? QStringLiteral("-") : QStringLiteral("+");
    return sign + QTime(0, 0).addSecs(int(qAbs(seconds))).toString(QStringLiteral("hh:mm"));
}

void LocationPublish::fillTimeComboBox()
{
    QStringList suggested;
    suggested << tr("No Time") << tr("Suggested times");
    suggested << QStringLiteral("(UTC%1)").arg(computerTimeOffset()) + tr(" (Computer time)");
    if (!m_AutomaticLocation.timeZone.isEmpty())
        suggested << QStringLiteral("(UTC%1)").arg(m_AutomaticLocation.timeZone) + tr(" (Automatic time)");
    const Kivo::Settings settings(Kivo::Settings::UserSettings);
    const QString lastTimeZone = settings.value(Key::LocationPublishLastTimezone).toString();
    int lastUsedIndex = 0;
    if (!lastTimeZone.isEmpty()) {
        suggested << QStringLiteral("(UTC%1)").arg(lastTimeZone) + tr(" (Last used)");
        lastUsedIndex = suggested.size();
    }

    QComboBox* combo = m_Form->timeComboBox;
    const QSignalBlocker blocker(combo);
    auto* model = new QStandardItemModel(combo);
    for (const QString& entry : suggested + m_TimeZones)
        model->appendRow(new QStandardItem(entry));
    // The combo deletes the model it owned before.
    combo->setModel(model);
    combo->insertSeparator(1);
    combo->insertSeparator(suggested.size() + 1);
    if (QStandardItem* heading = model->item(2)) {
        QFont font = heading->font();
        font.setItalic(true);
        heading->setFont(font);
        heading->setEnabled(false);
    }
    const bool manual = settings.value(Key::LocationPublishManuallyPublished, false).toBool();
    combo->setCurrentIndex(manual ? lastUsedIndex : 0);
    m_Form->dstCheckBox->setEnabled(combo->currentIndex() >= 1);
}

QString LocationPublish::timeZoneOffset(const QString& entry)
{
    const int start = entry.indexOf(QLatin1String("UTC"));
    const int end = entry.indexOf(QLatin1Char(')'));
    if (start < 0 || end < start + 3)
        return QString();
    return entry.mid(start + 3, end - start - 3);
}

QString LocationPublish::daylightSavingOffset(const QString& offset)
{
    QRegExp hours(QStringLiteral("(([+|-]{1})[\\d]{2})(:[\\d]{2})"));
    if (!hours.exactMatch(offset))
        LOG_ERROR << "hours.exactMatch( timeZone )" << " failed";
    bool ok = false;
    int value = hours.cap(1).toInt(&ok);
    if (!ok)
        LOG_ERROR << "ok" << " failed";
    value += 1;
    return hours.cap(2) + QStringLiteral("%1").arg(qAbs(value), 2, 10, QLatin1Char('0')) + hours.cap(3);
}

} // namespace Dialogs
