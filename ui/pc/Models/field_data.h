#pragma once

#include <QObject>

namespace Models {

// The kinds of field a contact card shows; published to QML as FieldData.
class FieldData : public QObject
{
    Q_OBJECT

public:
    enum FieldType
    {
        DisplayNameField = 0,
        FirstNameField = 1,
        LastNameField = 2,
        WorkPhoneField = 3,
        ExtensionField = 4,
        MobilePhoneField = 5,
        PersonalPhoneField = 6,
        StreetField = 7,
        CityField = 8,
        PostalCodeField = 9,
        CountryField = 10,
        EmailField = 11,
        JidField = 12,
        ConferencePhoneField = 13,
        ConferenceIdField = 14,
        ConferencePinField = 15,
        WebUrlField = 16,
        CollabRoomField = 17
    };
    Q_ENUM(FieldType)

    static constexpr int FieldTypeCount = 18;

    explicit FieldData(QObject* parent = nullptr) : QObject(parent) {}
};

} // namespace Models
