#pragma once
// Table cells leave the window as text: Ctrl+C puts the selected cells on the
// clipboard tab-separated (a spreadsheet pastes them into cells), and a whole
// table can be saved as the same CSV file the command-line program writes.
#include <QString>

class QTableView;

namespace tarvello {

struct Session;
class Table;
class UserInterface;

// The selected cells of `view`, row by row: cells separated by tabs, rows by
// line ends; a tab or line end inside a cell becomes a space. Columns between
// selected ones that are not selected stay as empty cells.
QString selectedCellsText(const QTableView& view);

// Ctrl+C (the platform's copy key) on `view` copies selectedCellsText().
void copySelectionOnCopyKey(QTableView& view);

// "Save Table as CSV...": asks for the file, asks before replacing one, and
// writes `table` whole or not at all. The path written, or "".
std::string saveTableAsCsv(Session& session, UserInterface& ui, const Table& table);

}  // namespace tarvello
