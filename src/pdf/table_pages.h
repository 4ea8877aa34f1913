#pragma once
// A table of text rows as pages of the PDF set: ruled, the column heads
// repeated at the top of every page, each page filling the drawing area of a
// landscape page of the chosen size.
#include <string>
#include <vector>

#include "pdf/pdf_writer.h"

namespace tarvello {

// `rows` holds the column heads first, then the data rows. Each page is
// named `title` when there is only one, else "<title>, sheet i of n", as the
// schedules' pages are. Columns are as wide as their widest text (a head of
// several words on two lines) and share out the rest of the page; the letters
// are at most 6 points high, smaller when the columns need it. Numbers are
// set flush right, other texts flush left. No rows give no pages.
std::vector<PdfSheet> tablePages(const std::vector<std::vector<std::string>>& rows,
                                 const std::string& title, const PdfPageSize& size);

}  // namespace tarvello
