#pragma once

#include <QObject>
#include <QString>

class QClipboard;

// The system clipboard for QML scenes, with pasted text cleaned into something dialable.
class QmlClipboardAdapter : public QObject
{
    Q_OBJECT

public:
    explicit QmlClipboardAdapter(QObject* parent = nullptr);

    Q_INVOKABLE void setText(const QString& text);
    Q_INVOKABLE QString getText() const;
    Q_INVOKABLE QString getDialpadText(bool allowDtmf) const;
    Q_INVOKABLE QString getDialpadText() const;
    Q_INVOKABLE QString getPhoneNumberOrTelUri() const;

    static QString dialpadText(const QString& text, bool allowDtmf);
    static QString phoneNumberOrTelUri(const QString& text);

private:
    QClipboard* m_Clipboard;
};
