#pragma once

#include <QObject>

namespace Providers {

// Whether contact pictures are shown; the scenes bind their pictures' visibility to it.
class ProfilePictureHelper : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool showProfilePictures READ showProfilePictures NOTIFY showProfilePicturesChanged)

public:
    explicit ProfilePictureHelper(QObject* parent = nullptr);

    bool showProfilePictures() const { return m_ShowPictures; }
    // Stores the choice and tells every bound view, also when it did not change.
    void setShowProfilePictures(bool show);

signals:
    void showProfilePicturesChanged();

private:
    bool m_ShowPictures = true;
};

} // namespace Providers
