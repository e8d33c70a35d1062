#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

namespace Utils {

// Root of every window that can open the help for its own context.
class HelpInterface : public QWidget
{
    Q_OBJECT

public:
    explicit HelpInterface(QWidget* parent = nullptr);

    virtual QString helpContext() const;

    // Opens the configured help address for the context in the active language; does
    // nothing while no help address is configured. When the desktop has nothing to open it
    // with (no browser), a message box names the help file's path instead; false then.
    static bool openHelp(const QString& context);
    // The address openHelp opens, or an empty URL when none is configured.
    static QUrl helpUrl(const QString& context);

    // What opens an address on the desktop (QDesktopServices::openUrl unless replaced);
    // false when nothing could. An empty opener restores the desktop's.
    using Opener = std::function<bool(const QUrl&)>;
    static void setOpener(Opener opener);
    // Opens the address; when nothing can, tells the user where it is.
    static bool openOrTell(const QUrl& url);
};

} // namespace Utils
