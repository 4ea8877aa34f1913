#pragma once
// Column widths of the three grids: each column as wide as its header, or
// wider where its values need it.
#include <QString>

#include "tables/table.h"

class QTableView;

namespace tarvello {

// Width of a column headed `text` in `view`'s font, with an allowance of 200 twips.
int columnWidthFor(const QTableView& view, const QString& text);

// Sizes every column of `view` from the table's header row (column 0 from
// `firstColumnText` instead, when given) and widens those whose values are wider.
void sizeColumns(QTableView& view, const Table& table, const QString& firstColumnText = {});

// The width that shows every column of `view` side by side, scroll bar included.
int widthForAllColumns(const QTableView& view, int columnCount);

}  // namespace tarvello
