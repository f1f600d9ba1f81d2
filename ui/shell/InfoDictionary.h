#pragma once

#include <QMap>
#include <QString>

namespace marklode {

// The keys and values compiled into the program (version, application id, website, support
// address, update feed and key). Values never set at build time begin with "REPLACE_ME".
using InfoDictionary = QMap<QString, QString>;

const InfoDictionary& mainInfoDictionary();

} // namespace marklode
