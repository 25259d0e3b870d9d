#pragma once
// The team data form ("Edit Team Data"): names in text boxes, settings on sliders.
#include <QDialog>
#include <array>
#include <functional>

#include "leaguefiles/team_record.h"
#include "rosterdesk/team_settings.h"

class QLabel;
class QLineEdit;
class QSlider;

namespace newedit {

class Editteam : public QDialog {
public:
    // save writes the edited record; it is called after Yes to the save question.
    Editteam(const lf::TeamRecord& team, std::function<void(const lf::TeamRecord&)> save,
             QWidget* parent = nullptr);
    // Closing asks the save question; Cancel keeps the form open.
    void reject() override;

private:
    lf::TeamRecord edited() const;

    lf::TeamRecord team_;
    std::function<void(const lf::TeamRecord&)> save_;
    std::array<QLineEdit*, 5> texts_{};
    std::array<QSlider*, SettingCount> sliders_{};
    std::array<QLabel*, SettingCount> names_{};
};

}  // namespace newedit
