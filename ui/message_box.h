#pragma once
// Message boxes and input boxes. Both are class "dialog" to window automation.
// An empty title means the program's default title ("KRO" unless the program sets the league title).
#include <QString>
#include <optional>

namespace ui {

enum class Buttons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };
enum class Icon { None, Information, Question, Warning, Critical };

// The title used when a box is given none.
void setDefaultTitle(const QString& title);
QString defaultTitle();

// Shows a modal message box and returns the button pressed; defaultButton counts from 1
// (first button); a lone "\r" in text breaks the line. Closing the box answers Cancel,
// or No / Ok when there is no Cancel button.
Answer messageBox(const QString& text, Buttons buttons = Buttons::Ok, const QString& title = {},
                  Icon icon = Icon::None, int defaultButton = 1);

// Shows a modal input box with prompt, default text and OK / Cancel; x and y place its top-left
// corner as fractions of the screen (negative: centred). Returns the text, or nullopt on Cancel.
std::optional<QString> inputBox(const QString& prompt, const QString& title = {},
                                const QString& defaultText = {}, double x = -1, double y = -1);

}  // namespace ui
