#include "tools/datagen/name_lists.h"

#include <cctype>
#include <set>

#include "leaguefiles/file_io.h"
#include "tools/datagen/params.h"

namespace datagen {

std::vector<std::string> readNames(const std::filesystem::path& file) {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const SourceLine& l : readSourceLines(file)) {
        if (l.text.size() > NameWidth) sourceError(file, l.number, "\"" + l.text + "\" is longer than 10 characters");
        for (unsigned char c : l.text)
            if (!std::isalpha(c) && c != ' ' && c != '\'' && c != '-')
                sourceError(file, l.number, "\"" + l.text + "\" holds a character names do not have");
        if (!seen.insert(l.text).second) sourceError(file, l.number, "\"" + l.text + "\" is listed twice");
        names.push_back(l.text);
    }
    if (names.empty()) throw std::runtime_error(file.string() + ": no names");
    return names;
}

Summary buildNameLists(const std::filesystem::path& src, const std::filesystem::path& out) {
    Summary s;
    for (const auto& [source, list] : {std::pair{"first_names.txt", "name1.rdm"}, std::pair{"last_names.txt", "name2.rdm"}}) {
        std::string bytes;
        const std::vector<std::string> names = readNames(src / source);
        for (const std::string& n : names) bytes += n + std::string(NameWidth - n.size(), ' ');
        lf::replaceFile(out / list, bytes);
        s.push_back(std::string(list) + "    " + std::to_string(names.size()) + " names");
    }
    return s;
}

}  // namespace datagen
