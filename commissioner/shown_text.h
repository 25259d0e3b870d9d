#pragma once
// League texts are single-byte Windows-1252; windows show and take them as QStrings.
#include <QString>
#include <string>

#include "leaguefiles/cp1252.h"

namespace commish {

inline QString shown(const std::string& stored) {
    return QString::fromStdString(lf::cp1252ToUtf8(stored));
}

inline std::string stored(const QString& shownText) {
    return lf::utf8ToCp1252(shownText.toStdString());
}

}  // namespace commish
