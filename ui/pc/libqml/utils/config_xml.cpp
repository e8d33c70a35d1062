#include "libqml/utils/config_xml.h"

namespace QML {

ConfigXML::ConfigXML(QObject* parent)
    : QObject(parent)
{
}

} // namespace QML
