#pragma once
// Hand-made desktop listings for the simulator's logic.
#include <string>
#include <vector>

#include "ui/automation_client.h"

namespace batchplaytest {

using ui::automation::Control;
using ui::automation::Window;

inline Control button(const std::string& caption, bool enabled = true) {
    Control c;
    c.type = "button";
    c.text = caption;
    c.enabled = enabled;
    c.visible = true;
    return c;
}

inline Control label(const std::string& text) {
    Control c;
    c.type = "label";
    c.text = text;
    c.enabled = c.visible = true;
    return c;
}

inline Window window(const std::string& id, const std::string& title, const std::string& cls,
                     std::vector<Control> controls, long long pid = 100) {
    Window w;
    w.pid = pid;
    w.id = id;
    w.title = title;
    w.windowClass = cls;
    w.controls = std::move(controls);
    return w;
}

}  // namespace batchplaytest
