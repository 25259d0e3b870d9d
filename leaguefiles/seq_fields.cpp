#include "leaguefiles/seq_fields.h"

#include <charconv>

#include "leaguefiles/error.h"
#include "leaguefiles/file_io.h"

namespace lf {
namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

FieldReader::FieldReader(std::string text, std::string source)
    : data_(std::move(text)), source_(std::move(source)) {
    // A text editor may have put a UTF-8 byte-order mark in front; it is never a field.
    if (data_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
}

FieldReader FieldReader::fromFile(const std::filesystem::path& file) {
    return FieldReader(readFile(file), file.string());
}

bool FieldReader::atEnd() const { return pos_ >= data_.size(); }

std::string FieldReader::rawField(bool& quoted) {
    if (atEnd()) throw FileError("Input past end of file: " + source_);
    while (pos_ < data_.size() && (data_[pos_] == ' ' || data_[pos_] == '\t')) ++pos_;
    std::string value;
    quoted = pos_ < data_.size() && data_[pos_] == '"';
    if (quoted) {
        const size_t close = data_.find('"', pos_ + 1);
        const size_t stop = close == std::string::npos ? data_.size() : close;
        value = data_.substr(pos_ + 1, stop - pos_ - 1);
        pos_ = stop == data_.size() ? stop : stop + 1;
        while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_])) ++pos_;
    } else {
        while (pos_ < data_.size() && data_[pos_] != ',' && !isLineEnd(data_[pos_]))
            value += data_[pos_++];
        const size_t last = value.find_last_not_of(" \t");
        value.erase(last == std::string::npos ? 0 : last + 1);
    }
    if (pos_ < data_.size() && data_[pos_] == ',') ++pos_;
    // A line end ends the field, and one right after a comma belongs to that comma.
    if (pos_ < data_.size() && data_[pos_] == '\r') ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    return value;
}

std::string FieldReader::text() {
    bool quoted = false;
    return rawField(quoted);
}

int FieldReader::number() {
    bool quoted = false;
    const std::string field = rawField(quoted);
    const size_t first = field.find_first_not_of(" \t");
    const size_t last = field.find_last_not_of(" \t");
    int value = 0;
    if (first != std::string::npos) {
        const char* begin = field.data() + first + (field[first] == '+' ? 1 : 0);
        const char* end = field.data() + last + 1;
        const auto [ptr, ec] = std::from_chars(begin, end, value);
        if (ec == std::errc() && ptr == end) return value;
    }
    throw FileError("Type mismatch: \"" + field + "\" is not a number in " + source_);
}

std::string lineFormNumber(int value) {
    std::string out(value < 0 ? 0 : 1, ' ');
    return out.append(std::to_string(value)).append(" ");
}

std::string lineForm(const std::vector<Field>& fields) {
    std::string out;
    for (const Field& f : fields) {
        if (const int* n = std::get_if<int>(&f))
            out += lineFormNumber(*n);
        else
            out += std::get<std::string>(f);
        out += "\r\n";
    }
    return out;
}

std::string commaLine(const std::vector<Field>& fields) {
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        if (const int* n = std::get_if<int>(&fields[i]))
            out += std::to_string(*n);
        else
            out += '"' + std::get<std::string>(fields[i]) + '"';
    }
    return out + "\r\n";
}

}  // namespace lf
