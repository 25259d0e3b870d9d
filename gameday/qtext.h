#pragma once
// League texts are Windows-1252 bytes; windows show and hand back QStrings.
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "leaguefiles/cp1252.h"

namespace gameday {

inline QString qtext(const std::string& bytes) {
    return QString::fromStdString(lf::cp1252ToUtf8(bytes));
}
inline std::string bytes(const QString& text) { return lf::utf8ToCp1252(text.toStdString()); }
inline QStringList qlines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out.append(qtext(line));
    return out;
}
}  // namespace gameday
