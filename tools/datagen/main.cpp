// datagen SRC OUT: builds the installation data in OUT from the sources in SRC (in the
// repository: datagen data/src data). The result depends on the sources alone.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "tools/datagen/generate.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: datagen SOURCE_DIR OUTPUT_DIR   (e.g. datagen data/src data)\n");
        return 2;
    }
    try {
        const std::filesystem::path out = argv[2];
        if (!std::filesystem::is_directory(out)) {
            std::fprintf(stderr, "datagen: %s is not a folder\n", argv[2]);
            return 1;
        }
        for (const std::string& line : datagen::generateAll(argv[1], out)) std::printf("%s\n", line.c_str());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
