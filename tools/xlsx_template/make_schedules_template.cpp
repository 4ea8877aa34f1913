// Writes the workbook template "SCHEDULES.xlr" that Export to Excel copies:
// worksheet 1 the structure schedule, worksheet 2 the pipe schedule, each with
// a title in row 1, two-line column heads in rows 3 and 4, and one styled but
// empty data row (row 5) whose cell formats the export gives every data row.
//
//   make-schedules-template OUTPUT_FILE
#include <xlsxwriter.h>

#include <cstdio>
#include <ctime>
#include <vector>

namespace {

enum class Kind { Text, Number, Remarks };

struct Column {
  double width;
  const char* head;
  const char* secondLine;  // nullptr: the head spans rows 3 and 4
  Kind kind;
};

// Columns A to N. A and the description column are left for hand entry, as
// is REMARKS; the export fills the others from row 5.
// clang-format off
const std::vector<Column> kStructureColumns = {
    {8, "SHEET NO.", nullptr, Kind::Text},
    {11, "STR NO.", nullptr, Kind::Text},
    {16, "DESCRIPTION", nullptr, Kind::Text},
    {11, "STATION", nullptr, Kind::Text},
    {11, "OFFSET", nullptr, Kind::Text},
    {20, "STANDARD NO. / TYPE", nullptr, Kind::Text},
    {10, "T.C/T.G.", "/T.S (FT)", Kind::Text},
    {10, "INV. IN", "(FT)", Kind::Text},
    {10, "INV. OUT", "(FT)", Kind::Text},
    {11, "VERTICAL", "DEPTH (FT)", Kind::Number},
    {11, "INLET", "LENGTH(FT)", Kind::Text},
    {10, "STR.", "SHAPING", Kind::Text},
    {11, "FRAME /", "COVER", Kind::Text},
    {24, "REMARKS", nullptr, Kind::Remarks},
};

const std::vector<Column> kPipeColumns = {
    {8, "SHEET NO.", nullptr, Kind::Text},
    {16, "DESCRIPTION", nullptr, Kind::Text},
    {11, "FROM STR.", nullptr, Kind::Text},
    {11, "TO STR.", nullptr, Kind::Text},
    {11, "PIPE SIZE", "(INCHES)", Kind::Text},
    {12, "PIPE TYPE", nullptr, Kind::Text},
    {12, "MATERIAL", nullptr, Kind::Text},
    {9, "NO. OF", "PIPES", Kind::Text},
    {10, "INV. IN", "(FT)", Kind::Text},
    {10, "INV. OUT", "(FT)", Kind::Text},
    {10, "LENGTH", "(FT)", Kind::Text},
    {11, "SKEW", "(DEGREES)", Kind::Text},
    {11, "HEIGHT OF", "COVER(FT)", Kind::Text},
    {24, "REMARKS", nullptr, Kind::Remarks},
};
// clang-format on

constexpr lxw_row_t kTitleRow = 0, kHeadRow = 2, kSecondHeadRow = 3, kModelRow = 4;

struct Formats {
  lxw_format* title;
  lxw_format* headSingle;
  lxw_format* headTop;
  lxw_format* headBottom;
  lxw_format* text;
  lxw_format* number;
  lxw_format* remarks;
};

lxw_format* baseFormat(lxw_workbook* wb, double size) {
  lxw_format* f = workbook_add_format(wb);
  format_set_font_name(f, "Arial");
  format_set_font_size(f, size);
  format_set_align(f, LXW_ALIGN_VERTICAL_CENTER);
  return f;
}

lxw_format* headFormat(lxw_workbook* wb) {
  lxw_format* f = baseFormat(wb, 9);
  format_set_bold(f);
  format_set_align(f, LXW_ALIGN_CENTER);
  format_set_pattern(f, LXW_PATTERN_SOLID);
  format_set_bg_color(f, 0xD9D9D9);
  format_set_left(f, LXW_BORDER_THIN);
  format_set_right(f, LXW_BORDER_THIN);
  return f;
}

Formats makeFormats(lxw_workbook* wb) {
  Formats f{};
  f.title = baseFormat(wb, 14);
  format_set_bold(f.title);
  format_set_align(f.title, LXW_ALIGN_CENTER);

  f.headSingle = headFormat(wb);
  format_set_top(f.headSingle, LXW_BORDER_THIN);
  format_set_bottom(f.headSingle, LXW_BORDER_THIN);
  format_set_text_wrap(f.headSingle);
  f.headTop = headFormat(wb);
  format_set_top(f.headTop, LXW_BORDER_THIN);
  f.headBottom = headFormat(wb);
  format_set_bottom(f.headBottom, LXW_BORDER_THIN);

  // Grid values arrive as text; the text format keeps a designer's own
  // entries in these columns as typed, too.
  f.text = baseFormat(wb, 10);
  format_set_align(f.text, LXW_ALIGN_CENTER);
  format_set_border(f.text, LXW_BORDER_THIN);
  format_set_num_format(f.text, "@");
  f.number = baseFormat(wb, 10);
  format_set_align(f.number, LXW_ALIGN_CENTER);
  format_set_border(f.number, LXW_BORDER_THIN);
  format_set_num_format(f.number, "0.00");
  f.remarks = baseFormat(wb, 10);
  format_set_align(f.remarks, LXW_ALIGN_LEFT);
  format_set_border(f.remarks, LXW_BORDER_THIN);
  format_set_num_format(f.remarks, "@");
  return f;
}

void writeSheet(lxw_worksheet* ws, const char* title, const std::vector<Column>& columns,
                const Formats& f) {
  const auto last = static_cast<lxw_col_t>(columns.size() - 1);
  worksheet_set_row(ws, kTitleRow, 24, nullptr);
  worksheet_merge_range(ws, kTitleRow, 0, kTitleRow, last, title, f.title);
  worksheet_set_row(ws, 1, 8, nullptr);
  worksheet_set_row(ws, kHeadRow, 15, nullptr);
  worksheet_set_row(ws, kSecondHeadRow, 15, nullptr);
  worksheet_set_row(ws, kModelRow, 15, nullptr);

  for (lxw_col_t c = 0; c <= last; ++c) {
    const Column& col = columns[c];
    worksheet_set_column(ws, c, c, col.width, nullptr);
    if (col.secondLine) {
      worksheet_write_string(ws, kHeadRow, c, col.head, f.headTop);
      worksheet_write_string(ws, kSecondHeadRow, c, col.secondLine, f.headBottom);
    } else {
      worksheet_merge_range(ws, kHeadRow, c, kSecondHeadRow, c, col.head, f.headSingle);
    }
    lxw_format* data = col.kind == Kind::Number    ? f.number
                       : col.kind == Kind::Remarks ? f.remarks
                                                   : f.text;
    worksheet_write_blank(ws, kModelRow, c, data);
  }

  worksheet_freeze_panes(ws, kModelRow, 0);
  worksheet_set_landscape(ws);
  worksheet_set_paper(ws, 1);  // US Letter
  worksheet_set_margins(ws, 0.4, 0.4, 0.6, 0.6);
  worksheet_center_horizontally(ws);
  worksheet_fit_to_pages(ws, 1, 0);
  worksheet_repeat_rows(ws, kTitleRow, kSecondHeadRow);
  worksheet_set_footer(ws, "&L&A&RPage &P of &N");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FILE\n", argv[0]);
    return 2;
  }
  lxw_workbook* wb = workbook_new(argv[1]);
  if (!wb) {
    std::fprintf(stderr, "%s: cannot create the workbook\n", argv[1]);
    return 1;
  }
  lxw_doc_properties properties{};
  properties.title = const_cast<char*>("Structure and pipe schedules");
  properties.author = const_cast<char*>("Tarvello");
  properties.created = 1704067200;  // fixed, so that every build writes the same template
  workbook_set_properties(wb, &properties);

  const Formats formats = makeFormats(wb);
  lxw_worksheet* structures = workbook_add_worksheet(wb, "Structure Schedule");
  lxw_worksheet* pipes = workbook_add_worksheet(wb, "Pipe Schedule");
  writeSheet(structures, "STRUCTURE SCHEDULE", kStructureColumns, formats);
  writeSheet(pipes, "PIPE SCHEDULE", kPipeColumns, formats);
  worksheet_activate(structures);

  const lxw_error error = workbook_close(wb);
  if (error != LXW_NO_ERROR) {
    std::fprintf(stderr, "%s: %s\n", argv[1], lxw_strerror(error));
    return 1;
  }
  return 0;
}
