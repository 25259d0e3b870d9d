#include "standings/position_file.h"

#include <algorithm>
#include <string>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/seq_fields.h"
#include "tally/format.h"

namespace live {

Placement readPlacement(const std::filesystem::path& file) {
    if (!std::filesystem::exists(file)) return {};
    Placement placement;
    try {
        lf::FieldReader fields = lf::FieldReader::fromFile(file);
        std::string flag = fields.text();
        if (tally::upper(flag) == "STANDINGS") return {};
        int top = std::max(fields.number(), 1);
        int left = std::max(fields.number(), 1);
        placement.centre = top == 1 && left == 1;
        if (!placement.centre) {
            if (top != 1) placement.top = top;
            if (left != 1) placement.left = left;
        }
        placement.stayOnTop = flag == "1";
    } catch (const lf::FileError&) {
        return {};
    }
    return placement;
}

void writePosition(const std::filesystem::path& file, bool stayOnTop, int top, int left) {
    lf::replaceFile(file, std::string(stayOnTop ? "\"1\"" : "\"0\"") + "\r\n" +
                              std::to_string(top) + "\r\n" + std::to_string(left) + "\r\n");
}

}  // namespace live
