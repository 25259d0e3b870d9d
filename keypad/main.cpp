// keypad: buttons that type play calls, timeout answers and Enter into the game program.
#include "keypad/keypad_window.h"
#include "leaguefiles/league_dir.h"
#include "ui/message_box.h"
#include "ui/program.h"

int main(int argc, char** argv) {
    ui::Program program(argc, argv, "keypad");
    const auto dir = lf::leagueDirectory();
    const keypad::Position position = keypad::readPosition(lf::resolve(dir, keypad::PositionFile));
    const std::optional<keypad::Layout> layout = keypad::readLayout(lf::resolve(dir, keypad::LayoutFile));
    if (!layout) {
        ui::messageBox(QString::fromLatin1(keypad::InvalidLayoutMessage), ui::Buttons::Ok, QStringLiteral("KRO"));
        return 1;
    }
    keypad::KeypadWindow window(*layout, position);
    window.show();
    return program.run();
}
