#pragma once
// Schedule templates "s1t8.sea" ... "s2t32.sea": W * N/2 fields "3a7" (position 3 visits
// position 7), in week order and slot order within a week.
#include <filesystem>
#include <string>
#include <vector>

namespace lf {

// "s1t<N>.sea" for an odd season, "s2t<N>.sea" for an even one.
std::string scheduleTemplateName(int season, int teams);

struct Pairing {
    int visitor;  // position 1..N
    int home;
};

// The first weeks * teams/2 fields of the template. FileError naming the file when it is
// missing, holds too few fields or a field that is not "<number>a<number>".
std::vector<Pairing> readScheduleTemplate(const std::filesystem::path& file, int weeks,
                                          int teams);

}  // namespace lf
