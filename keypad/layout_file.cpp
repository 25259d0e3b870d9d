#include "keypad/layout_file.h"

#include <algorithm>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"
#include "leaguefiles/seq_fields.h"

namespace keypad {
namespace {

struct Shape {
    int shown, heightTwips;
};
constexpr std::array<Shape, 5> kShapes{{{12, 6210}, {14, 7175}, {16, 8135}, {18, 9085}, {20, 10050}}};

}  // namespace

std::optional<Layout> readLayout(const std::filesystem::path& file) {
    try {
        lf::FieldReader in = lf::FieldReader::fromFile(file);
        Layout layout;
        layout.shown = in.number();
        if (std::ranges::none_of(kShapes, [&](const Shape& s) { return s.shown == layout.shown; }))
            return std::nullopt;
        for (Button& b : layout.buttons) {
            b.target = in.text();
            b.key = in.text();
        }
        return layout;
    } catch (const lf::FileError&) {
        return std::nullopt;
    }
}

int windowHeightTwips(int shown) {
    for (const Shape& s : kShapes)
        if (s.shown == shown) return s.heightTwips;
    return kShapes.back().heightTwips;
}

Position readPosition(const std::filesystem::path& file) {
    try {
        lf::FieldReader in = lf::FieldReader::fromFile(file);
        if (in.text() == "keypad") return {};
        const int top = in.number();
        const int left = in.number();
        return {false, top, left};
    } catch (const lf::FileError&) {
        return {};
    }
}

void writePosition(const std::filesystem::path& file, int top, int left) {
    lf::replaceFile(file, lf::commaLine({std::string("0")}) + lf::commaLine({top}) + lf::commaLine({left}));
}

}  // namespace keypad
