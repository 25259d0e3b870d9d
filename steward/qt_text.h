#pragma once
// Windows-1252 bytes of the league files to and from the windows' text.
#include <QString>
#include <string>

#include "leaguefiles/cp1252.h"

namespace steward {

inline QString fromFile(const std::string& bytes) { return QString::fromStdString(lf::cp1252ToUtf8(bytes)); }
inline std::string toFile(const QString& text) { return lf::utf8ToCp1252(text.toStdString()); }

}  // namespace steward
