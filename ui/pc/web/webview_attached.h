#pragma once

#include <QObject>
#include <QString>

// What a web view's JavaScript window objects carry: the name under which the page's
// script sees them.
class QDeclarativeWebViewAttached : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString windowObjectName READ windowObjectName WRITE setWindowObjectName)

public:
    explicit QDeclarativeWebViewAttached(QObject* parent)
        : QObject(parent)
    {
    }

    QString windowObjectName() const { return m_WindowObjectName; }
    void setWindowObjectName(const QString& name) { m_WindowObjectName = name; }

private:
    QString m_WindowObjectName;
};
