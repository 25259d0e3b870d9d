// veltran-auto: the window automation from the command line.
//   veltran-auto windows
//   veltran-auto click "<title>" "<caption or control name>"
//   veltran-auto keys "<title>" "1221{ENTER}"
//   veltran-auto select "<title>" <control> <n>
//   veltran-auto settext "<title>" <control> "<text>"
//   veltran-auto activate|close "<title>"
//   veltran-auto wait|gone "<title>" [ms]
//   veltran-auto grab "<title>" picture.png
// Titles may hold the patterns * ? #. The exit code is 0 on success, 1 on failure.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ui/automation_client.h"

namespace {

namespace au = ui::automation;

int usage() {
    std::fprintf(stderr,
                 "usage: veltran-auto windows | click TITLE CAPTION | keys TITLE KEYS |\n"
                 "       select TITLE CONTROL N | settext TITLE CONTROL TEXT | activate TITLE |\n"
                 "       close TITLE | wait TITLE [MS] | gone TITLE [MS] | grab TITLE FILE.png\n");
    return 2;
}

void printWindows() {
    for (const au::Window& w : au::listWindows()) {
        std::printf("%lld %s %s %s \"%s\" name=%s%s%s%s%s\n", w.pid, w.program.c_str(), w.id.c_str(),
                    w.windowClass.c_str(), w.title.c_str(), w.name.c_str(), w.active ? " active" : "",
                    w.modal ? " modal" : "", w.blocked ? " blocked" : "", w.topmost ? " topmost" : "");
        for (const au::Control& c : w.controls) {
            std::printf("    %s %s %s \"%s\"%s%s", c.id.c_str(), c.type.c_str(), c.name.c_str(), c.text.c_str(),
                        c.enabled ? "" : " disabled", c.visible ? "" : " hidden");
            if (c.type == "option" || c.type == "check") std::printf("%s", c.checked ? " checked" : "");
            if (!c.items.empty()) std::printf(" items=%zu selected=%d", c.items.size(), c.selected);
            std::printf("\n");
        }
    }
}

int report(const au::Result& result) {
    if (result.ok) return 0;
    std::fprintf(stderr, "veltran-auto: %s\n", result.error.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string op = argv[1];
    if (op == "windows") {
        printWindows();
        return 0;
    }
    if (argc < 3) return usage();
    const std::string title = argv[2];
    const int wait = (op == "wait" || op == "gone") && argc > 3 ? std::atoi(argv[3]) : 10000;
    if (op == "gone") return au::waitForNoWindow(title, wait) ? 0 : 1;
    const auto window = op == "wait" ? au::waitForWindow(title, wait) : au::findWindow(title);
    if (!window) {
        std::fprintf(stderr, "veltran-auto: no window \"%s\"\n", title.c_str());
        return 1;
    }
    if (op == "wait") return 0;
    if (op == "activate") return report(au::activate(*window));
    if (op == "close") return report(au::close(*window));
    if (op == "click" && argc == 4) {
        // A caption, else a control name.
        const au::Control* control = au::findControl(*window, argv[3]);
        return report(control ? au::clickControl(*window, control->id) : au::click(*window, argv[3]));
    }
    if (op == "keys" && argc == 4) return report(au::sendKeys(*window, argv[3]));
    if (op == "select" && argc == 5) return report(au::select(*window, argv[3], std::atoi(argv[4])));
    if (op == "grab" && argc == 4)
        return report(au::grab(*window, std::filesystem::absolute(argv[3]).string()));
    if (op == "settext" && argc == 5) return report(au::setText(*window, argv[3], argv[4]));
    return usage();
}
