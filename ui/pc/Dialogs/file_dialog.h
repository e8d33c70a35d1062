#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace Dialogs {

class FileDialogWin;

// Asks the user for a file without blocking the caller; the choice arrives as
// fileSelected, a cancelled chooser sends nothing. Once opened it deletes itself when the
// chooser is answered, and it dies with its owner widget in any case.
class FileDialog : public QObject
{
    Q_OBJECT

public:
    enum Type
    {
        OpenAny = 0,
        OpenImage = 1,
        OpenCsv = 2,
        SaveAny = 3,
        SaveCsv = 4
    };

    FileDialog(QWidget* owner, int type, const QString& defaultFileName = QString());
    ~FileDialog() override;

    void setDirectory(const QString& folder);
    void open();
    // True while the chooser is asked for and not yet answered.
    bool isOpen() const;

signals:
    void fileSelected(const QString& path);

private:
    QPointer<QWidget> m_Owner;
    const int m_Type;
    const QString m_DefaultFileName;
    QString m_Folder;
    FileDialogWin* m_Worker = nullptr;
};

} // namespace Dialogs
