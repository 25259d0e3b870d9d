#pragma once
// Sequential text fields: the league pointer, the league file, schedule templates and the
// small settings files.
//
// Reading: a field ends at a comma or a line end (CR LF, LF or CR). Leading blanks are
// skipped; a line end right after a comma does not make an extra empty field. A field that
// begins with a double quote runs to the next double quote (quotes dropped); anything up to
// the next comma or line end after it is ignored. An unquoted text loses its trailing blanks.
// A numeric field is a decimal integer with optional sign and surrounding blanks; anything
// else there is an error.
//
// Writing: line form puts one field per line, integers as " 14 " / "-3 "; comma form puts
// several fields on a line, integers plain, texts in double quotes. Lines end with CR LF.
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace lf {

class FieldReader {
public:
    // Reads fields from text held in memory; `source` names it in error messages.
    explicit FieldReader(std::string text, std::string source = "text");
    // Reads the whole file; FileError when it cannot be opened.
    static FieldReader fromFile(const std::filesystem::path& file);

    // True when no field is left.
    bool atEnd() const;
    // The next field as text. FileError "Input past end of file" when none is left.
    std::string text();
    // The next field as an integer. FileError "Type mismatch" when it is not a number.
    int number();

private:
    std::string rawField(bool& quoted);
    std::string data_;
    std::string source_;
    size_t pos_ = 0;
};

using Field = std::variant<int, std::string>;

// " 14 " for 14, "-3 " for -3: the integer of the line form.
std::string lineFormNumber(int value);

// Every field on its own line, CR LF after each.
std::string lineForm(const std::vector<Field>& fields);

// The fields on one line separated by commas, texts quoted, CR LF at the end.
std::string commaLine(const std::vector<Field>& fields);

}  // namespace lf
