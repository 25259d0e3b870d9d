#include "tools/datagen/record_labels.h"

#include <string>
#include <vector>

#include "tools/datagen/params.h"
#include "tools/datagen/text_output.h"

namespace datagen {

Summary buildRecordLabels(const std::filesystem::path& src, const std::filesystem::path& out) {
    constexpr int Count = 100;
    const std::filesystem::path file = src / "record_labels.txt";
    std::vector<std::string> labels(Count + 1);
    int shown = 0;
    for (const SourceLine& l : readSourceLines(file)) {
        const size_t blank = l.text.find(' ');
        int k = 0;
        try {
            k = std::stoi(l.text.substr(0, blank));
        } catch (const std::exception&) {
        }
        if (k < 1 || k > Count || blank == std::string::npos)
            sourceError(file, l.number, "expected: index 1..100 and a label");
        if (!labels[k].empty()) sourceError(file, l.number, "index " + std::to_string(k) + " twice");
        labels[k] = l.text.substr(l.text.find_first_not_of(' ', blank));
        shown += labels[k].rfind("--", 0) != 0;
    }
    for (int k = 1; k <= Count; ++k)
        if (labels[k].empty()) throw std::runtime_error(file.string() + ": no label for index " + std::to_string(k));
    writeLines(out / "nrecords.dat", {labels.begin() + 1, labels.end()});
    return {"nrecords     " + std::to_string(shown) + " records shown"};
}

}  // namespace datagen
