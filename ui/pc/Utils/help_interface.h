#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

namespace Utils {

// Root of every window that can open the help for its own context.
class HelpInterface : public QWidget
{
    Q_OBJECT

public:
    explicit HelpInterface(QWidget* parent = nullptr);

    virtual QString helpContext() const;

    // Opens the configured help address for the context in the active language;
    // does nothing while no help address is configured.
    static void openHelp(const QString& context);
    // The address openHelp opens, or an empty URL when none is configured.
    static QUrl helpUrl(const QString& context);
};

} // namespace Utils
