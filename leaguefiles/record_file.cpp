#include "leaguefiles/record_file.h"

#include <fstream>
#include <system_error>

#include "leaguefiles/error.h"

namespace lf {
namespace {

uintmax_t fileLength(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) throw FileError("File not found", file);
    const uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec) throw FileError("Cannot read file", file);
    return size;
}

}  // namespace

int recordCount(const std::filesystem::path& file, size_t length) {
    const uintmax_t size = fileLength(file);
    if (size % length != 0) throw FileError("Damaged file (short record)", file);
    return static_cast<int>(size / length);
}

void readRecordBytes(const std::filesystem::path& file, size_t length, int k, uint8_t* out) {
    const uintmax_t size = fileLength(file);
    if (k < 1 || static_cast<uintmax_t>(k) * length > size)
        throw FileError("Bad record number " + std::to_string(k) + " (short file)", file);
    std::ifstream in(file, std::ios::binary);
    if (!in) throw FileError("Cannot open file", file);
    in.seekg(static_cast<std::streamoff>((k - 1) * length));
    in.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(length));
    if (in.gcount() != static_cast<std::streamsize>(length))
        throw FileError("Cannot read record " + std::to_string(k), file);
}

void writeRecordBytes(const std::filesystem::path& file, size_t length, int k,
                      const uint8_t* data) {
    std::error_code ec;
    const bool exists = std::filesystem::is_regular_file(file, ec);
    const int count = exists ? recordCount(file, length) : 0;
    if (k < 1 || k > count + 1)
        throw FileError("Bad record number " + std::to_string(k) + " (file holds " +
                            std::to_string(count) + ")",
                        file);
    std::fstream out(file, exists ? std::ios::binary | std::ios::in | std::ios::out
                                  : std::ios::binary | std::ios::out);
    if (!out) throw FileError("Cannot open file for writing", file);
    out.seekp(static_cast<std::streamoff>((k - 1) * length));
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(length));
    out.close();
    if (!out) throw FileError("Cannot write record " + std::to_string(k), file);
}

std::string readAllBytes(const std::filesystem::path& file, size_t length) {
    std::string data = readFile(file);
    if (data.size() % length != 0) throw FileError("Damaged file (short record)", file);
    return data;
}

}  // namespace lf
