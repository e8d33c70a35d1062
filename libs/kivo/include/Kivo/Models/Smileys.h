#pragma once

#include <Tesk/Core/RefCountable.h>

#include <QAbstractListModel>
#include <QHash>
#include <QStringList>

namespace Kivo {
namespace Models {

// The emoticon table of the chat: which character sequences are emoticons, and their
// pictures. A chat text is turned into HTML in two steps around its escaping: first each
// emoticon becomes a marker character that survives escaping and link detection, then each
// marker becomes its picture. A sequence counts as an emoticon only where a word begins and
// ends (or another emoticon follows), so never inside a web address ("http://a/:/" keeps
// its ":/").
class Smileys : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ rowCount CONSTANT)

public:
    enum Roles
    {
        CodeRole = Qt::UserRole + 1,
        NameRole,
        ImageRole
    };

    explicit Smileys(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    QString replaceSmileysWithUid(const QString& text) const;
    QString replaceUidsWithImgs(const QString& text, int width, int height) const;
    // The picture of an emoticon, `size` pixels square at most, as a URL of the program's
    // resources (drawn by tools/draw_smileys.cpp): pages and views share it.
    QString imageUrl(int index, int size) const;

private:
    struct Smiley
    {
        QStringList codes;
        QString name;
    };

    static bool isMarker(QChar c);
    int matchAt(const QString& text, int position) const;
    bool startsCode(const QString& text, int position) const;
    // A code ends where a word ends or another code begins.
    bool endsCode(const QString& text, int position) const;

    QList<Smiley> m_Table;
};

// The emoticon table of one session, shared by reference count.
class SmileysPtr : public Smileys, public Tesk::Core::RefCountable
{
    Q_OBJECT

public:
    explicit SmileysPtr(QObject* owner);

    const QObject* owner() const { return m_Owner; }

private:
    QObject* m_Owner;
};

} // namespace Models
} // namespace Kivo
