#include "leaguefiles/templates.h"

#include <array>

#include "leaguefiles/depth_chart.h"
#include "leaguefiles/error.h"
#include "leaguefiles/random.h"
#include "leaguefiles/record_file.h"

namespace lf {
namespace {

constexpr size_t NameLength = 10;

// One entry of a name list: ten characters as they stand.
struct NameRecord {
    static constexpr size_t Size = NameLength;
    std::array<uint8_t, Size> bytes{};
};

}  // namespace

TeamRecord readTemplateTeam(const std::filesystem::path& file, int g) {
    return readRecord<TeamRecord>(file, g);
}

PlayerRecord readTemplatePlayer(const std::filesystem::path& file, int g, int slot) {
    return readRecord<PlayerRecord>(file, playerRecordNumber(g, slot));
}

int nameListSize(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) throw FileError("File not found", file);
    const auto length = std::filesystem::file_size(file, ec);
    if (ec) throw FileError("Cannot read file", file);
    const int size = round_half_even(static_cast<double>(length) / NameLength);
    if (size < 1) throw FileError("Name list holds no name", file);
    return size;
}

std::string drawName(const std::filesystem::path& file, const std::function<int(int)>& draw) {
    const int size = nameListSize(file);
    const int k = draw(size);
    if (k < 1 || k > size)
        throw FileError("Bad record number " + std::to_string(k) + " in name list", file);
    // A last name cut short by a file of odd length reads its blanks as padding.
    const auto length = std::filesystem::file_size(file);
    if (static_cast<uintmax_t>(k) * NameLength > length) {
        const std::string data = readFile(file);
        std::string name = data.substr((k - 1) * NameLength);
        name.resize(NameLength, ' ');
        return name;
    }
    const NameRecord r = readRecord<NameRecord>(file, k);
    return std::string(reinterpret_cast<const char*>(r.bytes.data()), NameLength);
}

}  // namespace lf
