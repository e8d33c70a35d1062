#include <Kivo/Simulation/AccountData.h>

#include "../kivo_log.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

namespace Kivo {
namespace Simulation {

namespace {

using Tesk::Core::Logging::LevelWarning;

bool readPresence(const QJsonObject& object, int fallback, int& presence)
{
    const QJsonValue value = object.value(QStringLiteral("presence"));
    if (value.isUndefined()) {
        presence = fallback;
        return true;
    }
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    // The range first: a number beyond int cannot be converted to test whether it is whole.
    if (!(number >= MinPresence && number <= MaxPresence) || number != int(number))
        return false;
    presence = int(number);
    return true;
}

// The presence a contact publishes besides its availability: anything of the wrong kind is
// left out, with a line in the log, and the contact stays.
void readPublished(const QJsonObject& object, Contact& contact)
{
    const QJsonValue picture = object.value(QStringLiteral("picture"));
    if (picture.isString()) {
        const QByteArray png = QByteArray::fromBase64(picture.toString().toLatin1());
        if (png.startsWith("\x89PNG"))
            contact.picture = png;
        else
            KIVO_LOG(LevelWarning) << "Simulated service: picture of contact " << contact.id << " is no PNG image";
    }
    const QJsonObject location = object.value(QStringLiteral("location")).toObject();
    contact.location.timeZone = location.value(QStringLiteral("timeZone")).toString();
    contact.location.manualLocation = location.value(QStringLiteral("manualLocation")).toString();
    contact.location.city = location.value(QStringLiteral("city")).toString();
    contact.location.country = location.value(QStringLiteral("country")).toString();
    for (const QJsonValue& entry : object.value(QStringLiteral("devices")).toArray()) {
        const QJsonObject device = entry.toObject();
        DevicePresence read;
        read.resource = device.value(QStringLiteral("resource")).toString().trimmed();
        read.note = device.value(QStringLiteral("note")).toString();
        if (read.resource.isEmpty() || !readPresence(device, 0, read.presence)) {
            KIVO_LOG(LevelWarning) << "Simulated service: a device of contact " << contact.id << " left out";
            continue;
        }
        contact.devices.append(read);
    }
}

bool readContact(const QJsonValue& value, Contact& contact, QString& problem)
{
    if (!value.isObject()) {
        problem = QStringLiteral("not an object");
        return false;
    }
    const QJsonObject object = value.toObject();
    const QJsonValue id = object.value(QStringLiteral("id"));
    if (!id.isDouble() || id.toDouble() != id.toInt() || id.toInt() <= 0) {
        problem = QStringLiteral("its id is not a positive whole number");
        return false;
    }
    contact.id = id.toInt();
    contact.name = object.value(QStringLiteral("name")).toString();
    contact.address = object.value(QStringLiteral("address")).toString();
    contact.number = object.value(QStringLiteral("number")).toString();
    contact.group = object.value(QStringLiteral("group")).toString();
    contact.note = object.value(QStringLiteral("note")).toString();
    if (!readPresence(object, 0, contact.presence)) {
        problem = QStringLiteral("its presence is not a whole number from 0 to 19");
        return false;
    }
    readPublished(object, contact);
    return true;
}

bool readAccount(const QJsonValue& value, Account& account, QString& problem)
{
    if (!value.isObject()) {
        problem = QStringLiteral("not an object");
        return false;
    }
    const QJsonObject object = value.toObject();
    account.userName = object.value(QStringLiteral("user")).toString().trimmed();
    if (account.userName.isEmpty()) {
        problem = QStringLiteral("it has no user name");
        return false;
    }
    const QJsonValue password = object.value(QStringLiteral("password"));
    if (!password.isString()) {
        problem = QStringLiteral("it has no password");
        return false;
    }
    account.password = password.toString();
    account.displayName = object.value(QStringLiteral("displayName")).toString();
    account.domain = object.value(QStringLiteral("domain")).toString();
    if (!readPresence(object, AvailablePresence, account.presence)) {
        problem = QStringLiteral("its presence is not a whole number from 0 to 19");
        return false;
    }

    QSet<int> ids;
    const QJsonArray contacts = object.value(QStringLiteral("contacts")).toArray();
    for (int index = 0; index < contacts.size(); ++index) {
        Contact contact;
        QString contactProblem;
        if (!readContact(contacts.at(index), contact, contactProblem)) {
            KIVO_LOG(LevelWarning) << "Demo data: contact " << index << " of " << account.userName
                                   << " left out: " << contactProblem;
            continue;
        }
        if (ids.contains(contact.id)) {
            KIVO_LOG(LevelWarning) << "Demo data: contact " << index << " of " << account.userName
                                   << " left out: its id " << contact.id << " is taken";
            continue;
        }
        ids.insert(contact.id);
        account.contacts.append(contact);
    }
    const QJsonArray monitored = object.value(QStringLiteral("monitored")).toArray();
    for (const QJsonValue& user : monitored) {
        const QString address = user.toString().trimmed();
        if (address.isEmpty() || account.monitored.contains(address, Qt::CaseInsensitive))
            KIVO_LOG(LevelWarning) << "Demo data: a monitored user of " << account.userName << " left out";
        else
            account.monitored.append(address);
    }
    return true;
}

} // namespace

bool AccountData::parse(const QByteArray& json, QList<Account>& accounts, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    QString problem;
    if (document.isNull())
        problem = parseError.errorString() + QStringLiteral(" at offset ") + QString::number(parseError.offset);
    else if (!document.isObject() || !document.object().value(QStringLiteral("accounts")).isArray())
        problem = QStringLiteral("the document has no \"accounts\" list");
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }

    QList<Account> parsed;
    QSet<QString> userNames;
    const QJsonArray list = document.object().value(QStringLiteral("accounts")).toArray();
    for (int index = 0; index < list.size(); ++index) {
        Account account;
        QString accountProblem;
        if (!readAccount(list.at(index), account, accountProblem)) {
            KIVO_LOG(LevelWarning) << "Demo data: account " << index << " left out: " << accountProblem;
            continue;
        }
        const QString key = account.userName.toLower();
        if (userNames.contains(key)) {
            KIVO_LOG(LevelWarning) << "Demo data: account " << index << " left out: the user "
                                   << account.userName << " appears twice";
            continue;
        }
        userNames.insert(key);
        parsed.append(account);
    }
    accounts = parsed;
    return true;
}

} // namespace Simulation
} // namespace Kivo
