#pragma once
// Keyboard use of the main window's project controls, set up on the built
// widgets by their object names so the window's layout code stays as it is.
// The commands' own Alt and Ctrl keys are in the window's command table.
class QComboBox;
class QMainWindow;

namespace tarvello {

// An editable box whose text is what the user typed: matches are offered in
// a pop-up list, never completed inline, and a case variant of an item is not
// swapped in for the typed text when the box loses focus.
void keepTypedText(QComboBox& box);

// Enter from the tail water to "Create Profile Data" and Enter again to run
// it, and focus to the outfall box once a pipe database is open.
void setUpProjectKeys(QMainWindow& window);

}  // namespace tarvello
