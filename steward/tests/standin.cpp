// Stands in for a program the manager starts: named after its file, it shows the window that
// program shows and adds a line to "started-<name>" in its working directory at each start.
#include <QFileInfo>
#include <QWidget>
#include <fstream>
#include <map>
#include <string>

#include "ui/program.h"

int main(int argc, char** argv) {
    const std::string name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toLower().toStdString();
    const std::map<std::string, const char*> titles{{"opener", "Scoreboard"},
                                                    {"keypad", "Keypad"},
                                                    {"standings", "KRO Live Standings - NFL"},
                                                    {"batchplay", "KRO Batchplay"}};
    const auto title = titles.find(name);
    std::ofstream("started-" + name, std::ios::app) << "started\n";
    ui::Program program(argc, argv, name.c_str());
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(title == titles.end() ? name.c_str() : title->second));
    window.resize(200, 100);
    window.show();
    return program.run();
}
