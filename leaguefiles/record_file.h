#pragma once
// Random-access files of fixed-length records, numbered from 1, no header. A record type
// R is a raw image: `static constexpr size_t Size` and `std::array<uint8_t, Size> bytes`.
// Every failure (open, short file, short record, write) raises FileError with the path.
#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "leaguefiles/file_io.h"

namespace lf {

// Number of whole records; FileError when the file is missing or its length is not a
// multiple of the record length (a damaged file).
int recordCount(const std::filesystem::path& file, size_t length);

// Raw forms of the typed functions below.
void readRecordBytes(const std::filesystem::path& file, size_t length, int k, uint8_t* out);
// Writes record k in place; k may be one past the last record to append (a missing file
// is created for k = 1). Anything further is refused.
void writeRecordBytes(const std::filesystem::path& file, size_t length, int k,
                      const uint8_t* data);
std::string readAllBytes(const std::filesystem::path& file, size_t length);

template <class R>
R readRecord(const std::filesystem::path& file, int k) {
    R r;
    readRecordBytes(file, R::Size, k, r.bytes.data());
    return r;
}

template <class R>
void writeRecord(const std::filesystem::path& file, int k, const R& r) {
    writeRecordBytes(file, R::Size, k, r.bytes.data());
}

template <class R>
std::vector<R> readAll(const std::filesystem::path& file) {
    const std::string data = readAllBytes(file, R::Size);
    std::vector<R> out(data.size() / R::Size);
    for (size_t i = 0; i < out.size(); ++i)
        for (size_t b = 0; b < R::Size; ++b)
            out[i].bytes[b] = static_cast<uint8_t>(data[i * R::Size + b]);
    return out;
}

// Creates or replaces the file with exactly these records, through a temporary file.
template <class R>
void writeAll(const std::filesystem::path& file, const std::vector<R>& records) {
    std::string data;
    data.reserve(records.size() * R::Size);
    for (const R& r : records) data.append(reinterpret_cast<const char*>(r.bytes.data()), R::Size);
    replaceFile(file, data);
}

}  // namespace lf
