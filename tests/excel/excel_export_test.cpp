#include "excel/excel_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "commands/commands.h"
#include "common/number_format.h"
#include "excel/workbook_reader.h"
#include "network/generation.h"
#include "schedules/schedule_sheet.h"
#include "support/scripted_ui.h"

namespace tarvello {
namespace {

using namespace xltest;

const fs::path kProgramFolder = fs::path(TARVELLO_BINARY_DIR) / "bin";

void fillRow(Table& table, int row, const std::vector<std::string>& cells) {
  for (size_t c = 0; c < cells.size(); ++c) table.setCell(row, static_cast<int>(c), cells[c]);
}

// Branch ID, Str #, Str. Type, Station, Offset, Offset Loc., Top Elev.,
// Bottom Elev., VDOT Std., Length, Shaping; the two HGL columns are filled in.
void structure(Session& s, int row, std::vector<std::string> cells) {
  cells.insert(cells.begin() + 8, {"99.00", "99.00"});
  fillRow(s.tables().structures, row, cells);
}

// Branch ID, Pipe No, NodeOut, NodeIn, Elev. Out, Elev. In, Shape, Material,
// Dia / Rise, Span, # Of Pipes, Length, Skew, Height Of Cover; the five
// hydraulic columns are filled in.
void pipe(Session& s, int row, std::vector<std::string> cells) {
  cells.insert(cells.begin() + 12, {"12.5", "4.1", "1.40", "0.8", "0.013"});
  fillRow(s.tables().pipes, row, cells);
  fillRow(s.tables().branches, row, {cells[0], cells[2], cells[3]});
}

// clang-format off
// Two branches: S-1 (outfall) <- S-2 <- S-3, and a second branch S-2 <- S-4.
void fillSmallProject(Session& s) {
  s.tables().clearAndLayout();
  structure(s, 1, {"1", "S-1", "End Wall", "10+00.00", "0.00", "Rt", "104.20", "100.00", "EW-1", "", ""});
  structure(s, 2, {"1", "S-2", "Man Hole", "11+50.00", "12.50", "Lt", "110.35", "102.10", "MH-1", "", "IS-1"});
  structure(s, 3, {"1", "S-3", "Inlet", "12+75.00", "6.00", "", "112.00", "106.544", "DI-3B", "10", "=1+1"});
  structure(s, 4, {"2", "S-2", "Junction Box", "11+50.00", "12.50", "Lt", "110.35", "103.00", "JB-1", "", ""});
  structure(s, 5, {"2", "S-4", "Inlet", "11+80.00", "30.00", "Rt", "108.00", "104.80", "DI-7", "4", "IS-1"});
  pipe(s, 1, {"1", "P-1", "S-1", "S-2", "100.00", "102.10", "Circular", "Concrete", "24", "0", "1", "150.00", "0", "5.75"});
  pipe(s, 2, {"1", "P-2", "S-2", "S-3", "102.20", "106.54", "Elliptical", "Concrete", "19", "30", "2", "125.00", "15", "3.10"});
  pipe(s, 3, {"2", "P-3", "S-2", "S-4", "103.00", "104.80", "Box", "CMP", "36", "48", "1", "60.00", "0", "2.00"});
  s.tables().selectFirstRows();
}

// Columns A to N from row 5, as the small project must come out; "" is a cell
// without a value. Column J of the structures is the depth, a number.
const std::vector<std::vector<std::string>> kSmallStructureRows = {
    {"", "S-1", "", "10+00.00", "0.00-Rt", "EW-1/End Wall", "104.20", "100.00", "", "4.2", "", "", "", ""},
    {"", "S-2", "", "11+50.00", "12.50-Lt", "MH-1/Man Hole", "110.35", "102.20", "102.10", "8.25", "", "IS-1", "MH-1FR.&C", ""},
    {"", "S-3", "", "12+75.00", "6.00", "DI-3B/Inlet", "112.00", "", "106.544", "5.46", "10", "=1+1", "", ""},
    {"", "S-2", "", "11+50.00", "12.50-Lt", "JB-1/Junction Box", "110.35", "103.00", "103.00", "7.35", "", "", "MH-1FR.&C", ""},
    {"", "S-4", "", "11+80.00", "30.00-Rt", "DI-7/Inlet", "108.00", "", "104.80", "3.2", "4", "IS-1", "", ""},
};
const std::vector<std::vector<std::string>> kSmallPipeRows = {
    {"", "", "S-2", "S-1", "24", "Circular", "Concrete", "1", "102.10", "100.00", "150.00", "0", "5.75", ""},
    {"", "", "S-3", "S-2", "19x30", "Elliptical", "Concrete", "2", "106.54", "102.20", "125.00", "15", "3.10", ""},
    {"", "", "S-4", "S-2", "36x48", "Box", "CMP", "1", "104.80", "103.00", "60.00", "0", "2.00", ""},
};
// clang-format on

std::string ref(int column, int row) {
  return std::string(1, static_cast<char>('A' + column)) + std::to_string(row);
}

// Columns A to N from row 5 hold exactly `rows` and nothing follows; the
// number column holds numbers, every other non-empty cell text.
void expectRows(const ReadSheet& sheet, const std::vector<std::vector<std::string>>& rows,
                char numberColumn = 0) {
  for (size_t i = 0; i < rows.size(); ++i)
    for (int c = 0; c < 14; ++c) {
      const std::string at = ref(c, static_cast<int>(i) + 5), &want = rows[i][size_t(c)];
      if ('A' + c == numberColumn) {
        EXPECT_EQ(sheet.type(at), "n") << at;
        EXPECT_DOUBLE_EQ(std::stod(sheet.value(at)), std::stod(want)) << at;
      } else {
        EXPECT_EQ(sheet.value(at), want) << sheet.title << " " << at;
        EXPECT_TRUE(want.empty() || sheet.type(at) == "s")
            << sheet.title << " " << at << " is text";
      }
    }
  EXPECT_EQ(sheet.lastRowWithValue(), static_cast<int>(rows.size()) + 4) << sheet.title;
}

void expectSmallProject(const ReadWorkbook& book) {
  ASSERT_TRUE(book.ok) << book.output;
  ASSERT_EQ(book.sheets.size(), 2u) << book.output;
  expectRows(book.sheets[0], kSmallStructureRows, 'J');
  expectRows(book.sheets[1], kSmallPipeRows);
}

// Rows 1 to 4 as in the template (in metric words unless the project is
// ENGLISH; tables filled without a database count as metric, as for the DXF
// schedules), in its styles, and every data row in the styles of the
// template's row 5.
void expectTemplateLayout(const ReadWorkbook& exported, const std::vector<int>& dataRows,
                          const ScratchFolder& scratch, bool englishUnits = false) {
  const fs::path copy = scratch.path() / "template-copy.xlsx";  // openpyxl goes by the extension
  fs::copy_file(kProgramFolder / kSchedulesTemplateName, copy);
  const ReadWorkbook original = readWithOpenpyxl(copy);
  fs::remove(copy);
  ASSERT_EQ(exported.sheets.size(), original.sheets.size());
  for (size_t i = 0; i < original.sheets.size(); ++i) {
    const ReadSheet &got = exported.sheets[i], &tmpl = original.sheets[i];
    EXPECT_EQ(got.title, tmpl.title);
    EXPECT_EQ(got.widths, tmpl.widths);
    EXPECT_EQ(got.merged, tmpl.merged);
    EXPECT_EQ(got.freeze, tmpl.freeze);
    EXPECT_TRUE(got.ordered) << got.title;
    for (const auto& [at, cell] : tmpl.cells) {
      if (std::stoi(at.substr(at.find_first_of("0123456789"))) > 4) continue;
      ASSERT_NE(got.at(at), nullptr) << at;
      EXPECT_EQ(got.at(at)->value, englishUnits ? cell.value : metricHead(cell.value)) << at;
      EXPECT_EQ(got.at(at)->style, cell.style) << at;
    }
    for (int n = 5; n < 5 + dataRows[i]; ++n)
      for (int c = 0; c < 14; ++c) {
        ASSERT_NE(tmpl.at(ref(c, 5)), nullptr) << "the template styles " << ref(c, 5);
        ASSERT_NE(got.at(ref(c, n)), nullptr) << got.title << " " << ref(c, n);
        EXPECT_EQ(got.at(ref(c, n))->style, tmpl.at(ref(c, 5))->style)
            << got.title << " " << ref(c, n);
      }
  }
}

struct Export {
  Session session;
  ScriptedUi ui;
  bool yes = true;  // to the question before a file is replaced

  Export() { session.programFolder = kProgramFolder.string(); }
  std::optional<std::string> run(const fs::path& target) {
    ui.saveAnswers = {target.string()};
    ui.yesNoAnswers = {yes};
    return exportSchedulesToExcel(session, ui);
  }
};

TEST(ExcelExport, SmallProjectFromRowFiveInTheTemplatesLayout) {
  ScratchFolder scratch;
  Export ex;
  fillSmallProject(ex.session);
  ex.session.lastFolder = scratch.path().string();
  const fs::path target = scratch.path() / "I-64 schedules.xlsx";
  ASSERT_EQ(ex.run(target), target.string());
  EXPECT_EQ(ex.ui.lastMessage(), "");
  EXPECT_TRUE(ex.session.warnings.empty());
  EXPECT_TRUE(ex.ui.questions.empty());
  ASSERT_EQ(ex.ui.requests.size(), 1u);
  EXPECT_EQ(ex.ui.requests[0].initialFolder, scratch.path().string());
  EXPECT_EQ(fileNamesIn(scratch.path()), std::vector<std::string>{"I-64 schedules.xlsx"});

  const ReadWorkbook book = readWithOpenpyxl(target);
  expectSmallProject(book);
  EXPECT_TRUE(book.sheets[0].active);
  EXPECT_FALSE(book.sheets[1].active);
  expectTemplateLayout(book, {5, 3}, scratch);

  if (!haveLibreOffice())
    GTEST_SKIP() << "LibreOffice is not installed: its reading is not checked";
  expectSmallProject(readThroughLibreOffice(target, scratch.path()));
}

// Five branches of eight structures each; structure 17 has no top elevation.
void fillFortyStructures(Session& s) {
  s.tables().clearAndLayout();
  for (int r = 1, pipeRow = 1; r <= 40; ++r) {
    const std::string branch = std::to_string((r - 1) / 8 + 1), n = std::to_string(r);
    structure(s, r,
              {branch, "N-" + n, "Inlet", n + "+00", "5.00", "Rt",
               r == 17 ? "n/a" : formatFixed(120.0 + r, 2), formatFixed(110.0 + r * 0.25, 2),
               "DI-3", "6", ""});
    if (r % 8 != 0)
      pipe(s, pipeRow++,
           {branch, "P-" + n, "N-" + n, "N-" + std::to_string(r + 1), formatFixed(100.0 + r, 2),
            "101.00", "Circular", "Concrete", "18", "0", "1", "40.00", "0", "4.00"});
  }
  s.tables().selectFirstRows();
}

TEST(ExcelExport, FortyStructuresThenReplacedWhole) {
  ScratchFolder scratch;
  const fs::path target = scratch.path() / "schedules.xlsx";
  Export forty;
  fillFortyStructures(forty.session);
  ASSERT_TRUE(forty.run(target));
  const ReadWorkbook book = readWithOpenpyxl(target);
  ASSERT_TRUE(book.ok) << book.output;
  const ReadSheet& sheet = book.sheets[0];
  EXPECT_EQ(sheet.lastRowWithValue(), 44);
  EXPECT_EQ(book.sheets[1].lastRowWithValue(), 4 + 35);
  for (int r = 1; r <= 40; ++r) {
    const int n = r + 4;
    EXPECT_EQ(sheet.value(ref(1, n)), "N-" + std::to_string(r));
    // No pipe enters the last structure of a branch; row 5 has no INV. OUT.
    EXPECT_EQ(sheet.value(ref(7, n)), r % 8 == 0 ? "" : formatFixed(100.0 + r, 2)) << "H" << n;
    EXPECT_EQ(sheet.value(ref(8, n)), r == 1 ? "" : formatFixed(110.0 + r * 0.25, 2)) << "I" << n;
    EXPECT_EQ(sheet.type(ref(9, n)), "n") << "J" << n;
  }
  // Row 5 is measured to the first pipe's outlet; row 21 has no top elevation.
  EXPECT_DOUBLE_EQ(std::stod(sheet.value("J5")), 20.0);
  EXPECT_DOUBLE_EQ(std::stod(sheet.value("J21")), 0.0);
  ASSERT_EQ(forty.session.warnings.size(), 1u);
  EXPECT_NE(forty.session.warnings.all()[0].text.find("row 17"), std::string::npos);
  expectTemplateLayout(book, {40, 35}, scratch);

  Export small;
  fillSmallProject(small.session);
  ASSERT_EQ(small.run(target), target.string());
  EXPECT_EQ(fileNamesIn(scratch.path()), std::vector<std::string>{"schedules.xlsx"});
  expectSmallProject(readWithOpenpyxl(target));  // nothing of the forty rows is left
}

// The example projects through Create Profile Data, read back directly and
// through LibreOffice: the heads in the project's units and a row for every
// structure and pipe (the cells themselves are worked by hand above).
TEST(ExcelExport, ExampleProjectsExportAndReadBack) {
  ScratchFolder scratch;
  for (const auto& [project, tailWater] :
       {std::pair{"highway", "399.80"}, std::pair{"metric", "55.40"}}) {
    const std::string name = project;
    SCOPED_TRACE(name);
    Export ex;
    // Copies, which the scratch folder checks are left as they were.
    ASSERT_EQ(ex.session.databases.openPipeDatabase(scratch.copyExample(name + ".bvp")), "");
    ASSERT_EQ(ex.session.databases.openInletDatabase(scratch.copyExample(name + ".olm")), "");
    ex.session.outfallNode = "1";
    ex.session.tailWaterText = tailWater;
    ASSERT_TRUE(createProfileData(ex.session).ran);
    const fs::path target = scratch.path() / (name + ".xlsx");
    ASSERT_EQ(ex.run(target), target.string());

    const Table &st = ex.session.tables().structures, &pt = ex.session.tables().pipes;
    int structures = 0, pipes = 0;
    while (!st.cell(structures + 1, strcol::StrNo).empty()) ++structures;
    while (!pt.cell(pipes + 1, pipecol::PipeNo).empty()) ++pipes;
    std::vector<ReadWorkbook> books{readWithOpenpyxl(target)};
    if (haveLibreOffice()) books.push_back(readThroughLibreOffice(target, scratch.path()));
    for (const ReadWorkbook& book : books) {
      ASSERT_TRUE(book.ok) << book.output;
      ASSERT_EQ(book.sheets.size(), 2u) << book.output;
      const ReadSheet &s1 = book.sheets[0], &s2 = book.sheets[1];
      // Heads name the project's units: metric projects in metres and
      // millimetres, English ones as the template has them.
      const bool metric = name == "metric";
      std::string heads;
      for (const ReadSheet* sheet : {&s1, &s2})
        for (const char* ref : {"G4", "H4", "I4", "J4", "K4", "M4", "E4"})
          heads += sheet->value(ref) + "|";
      EXPECT_EQ(heads, metric ? "/T.S (M)|(M)|(M)|DEPTH (M)|LENGTH(M)|COVER||"
                                "|PIPES|(M)|(M)|(M)|COVER(M)|(MM)|"
                              : "/T.S (FT)|(FT)|(FT)|DEPTH (FT)|LENGTH(FT)|COVER||"
                                "|PIPES|(FT)|(FT)|(FT)|COVER(FT)|(INCHES)|");
      EXPECT_EQ(s1.value("G3"), "T.C/T.G.");
      EXPECT_EQ(s1.lastRowWithValue(), structures + 4);
      EXPECT_EQ(s2.lastRowWithValue(), pipes + 4);
    }
  }
  if (!haveLibreOffice())
    GTEST_SKIP() << "LibreOffice is not installed: its reading is not checked";
}

TEST(ExcelExport, FailuresLeaveNothingBehind) {
  ScratchFolder scratch;
  const fs::path out = scratch.path() / "out", target = out / "schedules.xlsx";
  fs::create_directories(out);
  fs::create_directories(scratch.path() / "program");
  Export ex;
  fillSmallProject(ex.session);

  // No template beside the program: nothing is created, and a file the user
  // agreed to replace stays as it was.
  ex.session.programFolder = (scratch.path() / "program").string();
  for (bool existing : {false, true}) {
    if (existing) std::ofstream(target) << "an older workbook";
    ex.ui.messages.clear();
    EXPECT_FALSE(ex.run(target));
    ASSERT_EQ(ex.ui.messages.size(), 1u);
    EXPECT_THAT(ex.ui.lastMessage(), ::testing::HasSubstr("Excel template could not be read:"));
    EXPECT_THAT(ex.ui.lastMessage(),
                ::testing::HasSubstr((scratch.path() / "program" / "SCHEDULES.xlr").string()));
    EXPECT_EQ(fileNamesIn(out),
              existing ? std::vector<std::string>{"schedules.xlsx"} : std::vector<std::string>{});
  }
  EXPECT_EQ(fileBytes(target), "an older workbook");
}

// libzip saves through a temporary file of its own; the writer still puts
// the workbook where the link leads, in the mode of the one it replaces.
TEST(ExcelExport, WrittenThroughTheWriterThatKeepsWhatItReplaces) {
  ScratchFolder scratch;
  const fs::path real = scratch.path() / "real.xlsx", link = scratch.path() / "link.xlsx";
  std::ofstream(real) << "an older workbook";
  fs::permissions(real, fs::perms(0640));
  fs::create_symlink("real.xlsx", link);
  Export ex;
  fillSmallProject(ex.session);
  ASSERT_EQ(ex.run(link), link.string());
  EXPECT_EQ(ex.ui.lastMessage(), "");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(fs::status(real).permissions(), fs::perms(0640));
  expectSmallProject(readWithOpenpyxl(real));
  EXPECT_EQ(fileNamesIn(scratch.path()), (std::vector<std::string>{"link.xlsx", "real.xlsx"}));
}

}  // namespace
}  // namespace tarvello
