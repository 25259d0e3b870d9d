#pragma once
// League files hold Windows-1252 text; windows show and return Unicode.
#include <QString>
#include <string>

#include "leaguefiles/cp1252.h"

namespace newedit {

inline QString fromFile(const std::string& text) { return QString::fromStdString(lf::cp1252ToUtf8(text)); }
inline std::string toFile(const QString& text) { return lf::utf8ToCp1252(text.toStdString()); }

}  // namespace newedit
