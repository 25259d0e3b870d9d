#pragma once
// The question put when a form with unsaved edits closes, and its answers' messages.
#include <functional>

namespace newedit {

// "Save data before closing?" with Yes, No and Cancel. Yes runs save and reports
// "Data saved!", No reports "Data not saved!", Cancel "Command has been cancelled!".
// True when the form may close: after Yes (once saved) or No. A save that fails shows
// the reason and keeps the form open, so no edit is lost.
bool closeWithSaveQuestion(const std::function<void()>& save);

// A failure's description in a message box titled "KRO".
void showFailure(const char* what);

}  // namespace newedit
