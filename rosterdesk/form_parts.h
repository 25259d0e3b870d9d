#pragma once
// Pieces the editor's windows share.
#include <QString>
#include <array>
#include <string>

class QBoxLayout;
class QPushButton;
class QWidget;

namespace newedit {

// A button of a form; Enter in a text box does not press it (the forms have no default button).
QPushButton* plainButton(const QString& caption, const QString& name, QWidget* parent);

// The three heading lines above a fixed-pitch list, in the list's font (lblHeading_0..2).
void addHeadings(QBoxLayout* layout, const std::array<std::string, 3>& headings, QWidget* parent);

}  // namespace newedit
