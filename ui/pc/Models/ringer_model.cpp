#include "Models/ringer_model.h"

#include <Tesk/Xml/Parser.h>

#include <QFile>

namespace Models {

RingerModel::RingerModel(QObject* parent)
    : RingerModel(QString::fromLatin1(RingSignalsList), parent)
{
}

RingerModel::RingerModel(const QString& ringSignalsList, QObject* parent)
    : QAbstractListModel(parent)
    , m_Values{tr("Select other..."), tr("Use default ring signal")}
    , m_Descriptions{QString(), QString()}
{
    readRingers(ringSignalsList);
}

void RingerModel::readRingers(const QString& ringSignalsList)
{
    QFile file(ringSignalsList);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    const QByteArray document = file.readAll();
    file.close();
    const Tesk::Xml::Element root = Tesk::Xml::Parser::parse(Tesk::Bytes(document));
    if (root.isNull())
        return;
    for (const Tesk::Xml::Element& ringer : root.Children()) {
        if (ringer.Name().toByteArray() != "ringer")
            continue;
        m_Values.append(ringer.getAttribute("file").Value().toQString());
        m_Descriptions.append(ringer.getAttribute("description").Value().toQString());
    }
}

int RingerModel::rowCount(const QModelIndex&) const
{
    return m_Descriptions.size();
}

QVariant RingerModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.row() >= m_Descriptions.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_Descriptions.at(index.row());
    case Qt::UserRole:
        return m_Values.at(index.row());
    default:
        return QVariant();
    }
}

} // namespace Models
