#include "shipped.h"

#include "leaguefiles/seq_fields.h"

namespace shipped {

std::vector<long> numbers(const std::string& name) {
    lf::FieldReader in = lf::FieldReader::fromFile(file(name));
    std::vector<long> out;
    while (!in.atEnd()) out.push_back(in.number());
    return out;
}

std::vector<std::string> texts(const std::string& name) {
    lf::FieldReader in = lf::FieldReader::fromFile(file(name));
    std::vector<std::string> out;
    while (!in.atEnd()) out.push_back(in.text());
    return out;
}

std::vector<std::vector<long>> rows(const std::string& name, int rows, int perRow) {
    const std::vector<long> all = numbers(name);
    std::vector<std::vector<long>> out;
    for (int r = 0; r < rows && (r + 1) * perRow <= static_cast<int>(all.size()); ++r)
        out.emplace_back(all.begin() + r * perRow, all.begin() + (r + 1) * perRow);
    return out;
}

}  // namespace shipped
