#include "rosterdesk/ratings_form.h"

#include <algorithm>

#include "leaguefiles/report_output.h"

namespace newedit {

RatingsForm ratingsFormOf(const lf::PlayerRecord& player) {
    RatingsForm form;
    form.position = player.position();
    form.firstName = player.firstName();
    form.lastName = player.lastName();
    form.injury = std::clamp(player.injury(), 0, MaxInjury);
    form.years = std::clamp(player.years(), 0, MaxYears);
    for (int p = 1; p <= lf::rating::Count; ++p)
        form.ratings[p - 1] = std::clamp(player.rating(p), 0, MaxRating);
    return form;
}

void applyRatingsForm(lf::PlayerRecord& player, const RatingsForm& form) {
    player.setFirstName(form.firstName);
    player.setLastName(form.lastName);
    player.setYears(std::clamp(form.years, 0, MaxYears));
    std::array<int, lf::rating::Count> ratings{};
    for (int p = 0; p < lf::rating::Count; ++p) ratings[p] = std::clamp(form.ratings[p], 0, MaxRating);
    player.setRatings(ratings);
    if (form.injuryMoved) player.setInjuryText(lf::withSignPlace(std::clamp(form.injury, 0, MaxInjury)));
}

}  // namespace newedit
