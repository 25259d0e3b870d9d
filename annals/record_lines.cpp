#include "annals/record_lines.h"

#include <algorithm>

#include "leaguefiles/fixed_field.h"
#include "leaguefiles/report_output.h"

namespace SeeRecs {

namespace {

std::string upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return text;
}

std::string trimRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string seasonAndWeek(int season, int week) {
    return "    Season: " + lf::withSignPlace(season) + "  Week: " + lf::withSignPlace(week);
}

// Statistics 1..last with a shown label, each record's three lines built by `lines`.
template <class Record, class Lines>
std::vector<std::string> view(const std::vector<std::string>& labels,
                              const std::vector<Record>& records, int last, Lines lines) {
    std::vector<std::string> out;
    const int count = std::min<int>({last, int(records.size()), int(labels.size()) - 1});
    for (int k = 1; k <= count; ++k) {
        if (lf::isHiddenLabel(labels[k])) continue;
        const auto [first, second] = lines(upper(labels[k]), records[k - 1]);
        out.push_back(first);
        out.push_back(second);
        out.push_back(" ");
    }
    return out;
}

}  // namespace

std::string valueField(int value) {
    const std::string padded = "       " + lf::withSignPlace(value);
    return padded.substr(padded.size() - 6);
}

std::vector<std::string> individualLines(const std::vector<std::string>& labels,
                                         const std::vector<lf::IndividualRecord>& records) {
    return view(labels, records, 80, [](const std::string& label, const lf::IndividualRecord& r) {
        const uint8_t* b = r.bytes.data();
        return std::pair{
            label + ":  " + valueField(r.value()) + "   " + upper(lf::rawText(b, 0, 20)),
            seasonAndWeek(r.season(), r.week()) + "  " + trimRight(lf::rawText(b, 20, 15)) +
                " vs " + trimRight(lf::rawText(b, 35, 15))};
    });
}

std::vector<std::string> teamLines(const std::vector<std::string>& labels,
                                   const std::vector<lf::TeamBestRecord>& records) {
    return view(labels, records, 100, [](const std::string& label, const lf::TeamBestRecord& r) {
        const uint8_t* b = r.bytes.data();
        return std::pair{
            label + ":  " + valueField(r.value()) + "   " + upper(lf::rawText(b, 0, 15)),
            seasonAndWeek(r.season(), r.week()) + "   vs " + trimRight(lf::rawText(b, 15, 15))};
    });
}

std::vector<std::string> championLines(const std::vector<lf::ChampionRecord>& champions) {
    std::vector<std::string> out{"     STELLAR BOWL CHAMPIONS"};
    for (size_t i = 0; i < champions.size(); ++i) {
        std::string number = lf::withSignPlace(int(i + 1));
        number.insert(number.begin(), ' ');
        out.push_back(number.substr(number.size() - 3) + "  " +
                      trimRight(lf::rawText(champions[i].bytes.data(), 0, 80)));
    }
    return out;
}

}  // namespace SeeRecs
