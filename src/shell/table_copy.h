#pragma once
// Table cells leave the window as text: Ctrl+C puts the selected cells on the
// clipboard tab-separated (a spreadsheet pastes them into cells).
#include <QString>

class QTableView;

namespace tarvello {

// The selected cells of `view`, row by row: cells separated by tabs, rows by
// line ends; a tab or line end inside a cell becomes a space. Columns between
// selected ones that are not selected stay as empty cells.
QString selectedCellsText(const QTableView& view);

// Ctrl+C (the platform's copy key) on `view` copies selectedCellsText().
void copySelectionOnCopyKey(QTableView& view);

}  // namespace tarvello
