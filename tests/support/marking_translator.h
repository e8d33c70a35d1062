#pragma once

#include <QByteArray>
#include <QString>
#include <QTranslator>

namespace TestSupport {

// A language switch without translation files: while installed, every text of one
// translation context reads "~" followed by its source text.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const char* context) : m_Context(context) {}

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        return m_Context == context ? QStringLiteral("~") + QString::fromUtf8(sourceText) : QString();
    }

private:
    QByteArray m_Context;
};

} // namespace TestSupport
