#include "Providers/profile_picture_helper.h"

#include "common/constants.h"

#include <Kivo/Settings.h>

namespace Providers {

ProfilePictureHelper::ProfilePictureHelper(QObject* parent) : QObject(parent)
{
    setShowProfilePictures(Kivo::Settings(Kivo::Settings::UserSettings)
                               .value(Constants::SettingsKey::ContactListShowProfilePhotos, true)
                               .toBool());
}

void ProfilePictureHelper::setShowProfilePictures(bool show)
{
    m_ShowPictures = show;
    Kivo::Settings(Kivo::Settings::UserSettings).setValue(Constants::SettingsKey::ContactListShowProfilePhotos, show);
    emit showProfilePicturesChanged();
}

} // namespace Providers
