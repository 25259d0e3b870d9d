#include "rosterdesk/save_question.h"

#include "leaguefiles/error.h"
#include "ui/message_box.h"

namespace newedit {

namespace {
const QString title = QStringLiteral("KRO");

void tell(const char* text) { ui::messageBox(QString::fromUtf8(text), ui::Buttons::Ok, title); }
}  // namespace

void showFailure(const char* what) {
    ui::messageBox(QString::fromUtf8(what), ui::Buttons::Ok, title, ui::Icon::Critical);
}

bool closeWithSaveQuestion(const std::function<void()>& save) {
    switch (ui::messageBox(QStringLiteral("Save data before closing?"), ui::Buttons::YesNoCancel, title,
                           ui::Icon::Question)) {
    case ui::Answer::Yes:
        try {
            save();
        } catch (const lf::FileError& e) {
            showFailure(e.what());
            return false;
        }
        tell("Data saved!");
        return true;
    case ui::Answer::No:
        tell("Data not saved!");
        return true;
    default:
        tell("Command has been cancelled!");
        return false;
    }
}

}  // namespace newedit
