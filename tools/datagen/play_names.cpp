#include "tools/datagen/play_names.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/datagen/params.h"
#include "tools/datagen/text_output.h"

namespace datagen {
namespace {

struct Part {
    const char* section;
    size_t count;
    size_t width;  // the game keeps this many characters
};
constexpr Part Parts[] = {{"[formations]", 10, 6},
                          {"[offense]", 27, 16},
                          {"[defensive formations]", 7, 6},
                          {"[defense]", 25, 14}};

}  // namespace

Summary buildPlayNames(const std::filesystem::path& src, const std::filesystem::path& out) {
    const std::filesystem::path file = src / "play_names.txt";
    std::map<std::string, std::vector<SourceLine>> names;
    std::string section;
    for (const SourceLine& l : readSourceLines(file)) {
        if (l.text.front() == '[')
            section = l.text;
        else if (section.empty())
            sourceError(file, l.number, "a name before the first section");
        else
            names[section].push_back(l);
    }
    std::vector<std::string> lines;
    for (const Part& part : Parts) {
        const std::vector<SourceLine>& list = names[part.section];
        if (list.size() != part.count)
            throw std::runtime_error(file.string() + ": " + part.section + " needs " + std::to_string(part.count) +
                                     " names, has " + std::to_string(list.size()));
        for (const SourceLine& l : list) {
            // A name the game would cut, or one that would split the field, is refused here.
            if (l.text.size() > part.width) sourceError(file, l.number, "longer than " + std::to_string(part.width));
            if (l.text.find_first_of(",\"") != std::string::npos) sourceError(file, l.number, "no commas or quotes");
            lines.push_back("\"" + l.text + "\"");
        }
    }
    writeLines(out / "ocalls.dat", lines);
    return {"ocalls       " + std::to_string(lines.size()) + " names"};
}

}  // namespace datagen
