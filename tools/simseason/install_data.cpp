#include "tools/simseason/install_data.h"

#include <array>
#include <string_view>

namespace simseason {

void installData(const std::filesystem::path& from, const std::filesystem::path& to) {
    namespace fs = std::filesystem;
    constexpr std::array<std::string_view, 3> notShipped{"CMakeLists.txt", "README.md",
                                                         ".gitattributes"};
    for (const fs::directory_entry& e : fs::directory_iterator(from)) {
        if (!e.is_regular_file()) continue;
        const std::string name = e.path().filename().string();
        bool ships = true;
        for (std::string_view n : notShipped) ships = ships && name != n;
        if (ships) fs::copy_file(e.path(), to / name, fs::copy_options::overwrite_existing);
    }
}

}  // namespace simseason
