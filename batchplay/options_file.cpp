#include "batchplay/options_file.h"

#include <algorithm>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/seq_fields.h"

namespace batchplay {

Options readOptions(const std::filesystem::path& file) {
    Options options;
    try {
        lf::FieldReader in = lf::FieldReader::fromFile(file);
        if (in.text() != OptionsMarker) return options;
        const bool stayOnTop = in.text() == "1";
        const int top = std::max(in.number(), 1);
        const int left = std::max(in.number(), 1);
        options.stayOnTop = stayOnTop;
        options.centre = top == 1 && left == 1;
        options.top = top;
        options.left = left;
    } catch (const lf::FileError&) {
        return Options{};
    }
    return options;
}

void writeOptions(const std::filesystem::path& file, bool stayOnTop, int top, int left) {
    const std::string text = lf::commaLine({std::string(OptionsMarker)}) +
                             lf::commaLine({std::string(stayOnTop ? "1" : "0")}) +
                             lf::commaLine({top}) + lf::commaLine({left});
    lf::replaceFile(file, text);
}

}  // namespace batchplay
