#include "excel/excel_export.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "common/number_format.h"
#include "excel/workbook_reader.h"
#include "network/generation.h"

namespace tarvello {
namespace {

using namespace xltest;

const fs::path kProgramFolder = fs::path(TARVELLO_BINARY_DIR) / "bin";

struct ScriptedUi : UserInterface {
  std::string saveAnswer;
  bool yes = true;
  std::vector<FileDialogRequest> saveRequests;
  std::vector<std::string> questions;
  std::vector<std::string> messages;

  std::string askOpenFileName(const FileDialogRequest&) override {
    ADD_FAILURE() << "the export has no open dialog";
    return {};
  }
  std::string askSaveFileName(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return saveAnswer;
  }
  bool askYesNo(const std::string& text, MessageIcon icon) override {
    EXPECT_EQ(icon, MessageIcon::Exclamation);
    questions.push_back(text);
    return yes;
  }
  void showMessage(const std::string& text, MessageIcon) override { messages.push_back(text); }
};

void fillRow(Table& table, int row, const std::vector<std::string>& cells) {
  for (size_t c = 0; c < cells.size(); ++c) table.setCell(row, static_cast<int>(c), cells[c]);
}

// Branch ID, Str #, Str. Type, Station, Offset, Offset Loc., Top Elev.,
// Bottom Elev., (two HGL columns), VDOT Std., Length, Shaping.
void structure(Session& s, int row, std::vector<std::string> cells) {
  cells.insert(cells.begin() + 8, {"99.00", "99.00"});
  fillRow(s.tables.structures, row, cells);
}

// Branch ID, Pipe No, NodeOut, NodeIn, Elev. Out, Elev. In, Shape, Material,
// Dia / Rise, Span, # Of Pipes, Length, (five hydraulic columns), Skew,
// Height Of Cover.
void pipe(Session& s, int row, std::vector<std::string> cells) {
  cells.insert(cells.begin() + 12, {"12.5", "4.1", "1.40", "0.8", "0.013"});
  fillRow(s.tables.pipes, row, cells);
  fillRow(s.tables.branches, row, {cells[0], cells[2], cells[3]});
}

// clang-format off
// Two branches: S-1 (outfall) <- S-2 <- S-3, and a second branch S-2 <- S-4.
void fillSmallProject(Session& s) {
  s.tables.clearAndLayout();
  structure(s, 1, {"1", "S-1", "End Wall", "10+00.00", "0.00", "Rt", "104.20", "100.00", "EW-1", "", ""});
  structure(s, 2, {"1", "S-2", "Man Hole", "11+50.00", "12.50", "Lt", "110.35", "102.10", "MH-1", "", "IS-1"});
  structure(s, 3, {"1", "S-3", "Inlet", "12+75.00", "6.00", "", "112.00", "106.544", "DI-3B", "10", "=1+1"});
  structure(s, 4, {"2", "S-2", "Junction Box", "11+50.00", "12.50", "Lt", "110.35", "103.00", "JB-1", "", ""});
  structure(s, 5, {"2", "S-4", "Inlet", "11+80.00", "30.00", "Rt", "108.00", "104.80", "DI-7", "4", "IS-1"});
  pipe(s, 1, {"1", "P-1", "S-1", "S-2", "100.00", "102.10", "Circular", "Concrete", "24", "0", "1", "150.00", "0", "5.75"});
  pipe(s, 2, {"1", "P-2", "S-2", "S-3", "102.20", "106.54", "Elliptical", "Concrete", "19", "30", "2", "125.00", "15", "3.10"});
  pipe(s, 3, {"2", "P-3", "S-2", "S-4", "103.00", "104.80", "Box", "CMP", "36", "48", "1", "60.00", "0", "2.00"});
  s.tables.selectFirstRows();
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

int rowOf(const std::string& reference) {
  return std::stoi(reference.substr(reference.find_first_of("0123456789")));
}

void expectRows(const ReadSheet& sheet, const std::vector<std::vector<std::string>>& rows,
                const std::string& numberColumn) {
  for (size_t i = 0; i < rows.size(); ++i) {
    for (int c = 0; c < 14; ++c) {
      const std::string at = ref(c, static_cast<int>(i) + 5);
      const std::string& want = rows[i][static_cast<size_t>(c)];
      if (at.substr(0, 1) == numberColumn) {
        EXPECT_EQ(sheet.type(at), "n") << at;
        EXPECT_DOUBLE_EQ(std::stod(sheet.value(at)), std::stod(want)) << at;
      } else {
        EXPECT_EQ(sheet.value(at), want) << sheet.title << " " << at;
        if (!want.empty()) {
          EXPECT_EQ(sheet.type(at), "s") << at;
        }
      }
    }
  }
  EXPECT_EQ(sheet.lastRowWithValue(), static_cast<int>(rows.size()) + 4) << sheet.title;
}

// Rows 1 to 4 exactly as in the template, and every data row in the cell
// styles of the template's first data row.
void expectTemplateLayout(const ReadWorkbook& exported, const ReadWorkbook& original,
                          const std::vector<int>& dataRows) {
  ASSERT_EQ(exported.sheets.size(), original.sheets.size());
  for (size_t i = 0; i < original.sheets.size(); ++i) {
    const ReadSheet& got = exported.sheets[i];
    const ReadSheet& tmpl = original.sheets[i];
    EXPECT_EQ(got.title, tmpl.title);
    EXPECT_EQ(got.widths, tmpl.widths);
    EXPECT_EQ(got.merged, tmpl.merged);
    EXPECT_EQ(got.freeze, tmpl.freeze);
    EXPECT_TRUE(got.ordered) << got.title;
    for (const auto& [at, cell] : tmpl.cells) {
      if (rowOf(at) > 4) continue;
      ASSERT_NE(got.at(at), nullptr) << at;
      EXPECT_EQ(got.at(at)->value, cell.value) << at;
      EXPECT_EQ(got.at(at)->style, cell.style) << at;
    }
    for (int n = 5; n < 5 + dataRows[i]; ++n) {
      for (int c = 0; c < 14; ++c) {
        const ReadCell* model = tmpl.at(ref(c, 5));
        ASSERT_NE(model, nullptr) << "the template styles " << ref(c, 5);
        ASSERT_NE(got.at(ref(c, n)), nullptr) << got.title << " " << ref(c, n);
        EXPECT_EQ(got.at(ref(c, n))->style, model->style) << got.title << " " << ref(c, n);
      }
    }
  }
}

ReadWorkbook readTemplate(const ScratchFolder& scratch) {
  // openpyxl goes by the file name's extension.
  const fs::path copy = scratch / "template-copy.xlsx";
  fs::copy_file(kProgramFolder / kSchedulesTemplateName, copy,
                fs::copy_options::overwrite_existing);
  ReadWorkbook book = readWithOpenpyxl(copy);
  fs::remove(copy);
  return book;
}

struct Export {
  Session session;
  ScriptedUi ui;
  std::optional<std::string> saved;

  Export() { session.programFolder = kProgramFolder.string(); }
  std::optional<std::string> run(const fs::path& target) {
    ui.saveAnswer = target.string();
    saved = exportSchedulesToExcel(session, ui);
    return saved;
  }
};

TEST(ExcelExport, BothSchedulesFromRowFiveInTheTemplatesLayout) {
  ScratchFolder scratch;
  Export ex;
  fillSmallProject(ex.session);
  ex.session.lastFolder = scratch.path().string();
  const fs::path target = scratch / "I-64 schedules.xlsx";
  ASSERT_EQ(ex.run(target), target.string());
  EXPECT_TRUE(ex.ui.messages.empty()) << ex.ui.messages.front();
  EXPECT_TRUE(ex.session.warnings.empty());
  ASSERT_EQ(ex.ui.saveRequests.size(), 1u);
  EXPECT_EQ(ex.ui.saveRequests[0].title, "Enter New File Name for Pipe Profile Schedules");
  EXPECT_EQ(ex.ui.saveRequests[0].filter, "Tarvello Schedule files (*.xlsx)|*.xlsx");
  EXPECT_EQ(ex.ui.saveRequests[0].initialFolder, scratch.path().string());
  EXPECT_TRUE(ex.ui.questions.empty());
  EXPECT_EQ(scratch.fileNames(), std::vector<std::string>{"I-64 schedules.xlsx"});

  const ReadWorkbook book = readWithOpenpyxl(target);
  ASSERT_TRUE(book.ok) << book.output;
  ASSERT_EQ(book.sheets.size(), 2u);
  EXPECT_TRUE(book.sheets[0].active);
  EXPECT_FALSE(book.sheets[1].active);
  expectRows(book.sheets[0], kSmallStructureRows, "J");
  expectRows(book.sheets[1], kSmallPipeRows, "");
  expectTemplateLayout(book, readTemplate(scratch), {5, 3});
}

TEST(ExcelExport, LibreOfficeOpensTheWorkbookAndShowsTheSchedules) {
  if (!haveLibreOffice()) GTEST_SKIP() << "LibreOffice is not installed";
  ScratchFolder scratch;
  Export ex;
  fillSmallProject(ex.session);
  const fs::path target = scratch / "schedules.xlsx";
  ASSERT_TRUE(ex.run(target));

  std::string log;
  const auto books = readWithLibreOffice({target}, scratch.path(), &log);
  ASSERT_EQ(books.count("schedules"), 1u) << log;
  const CsvSheets& sheets = books.at("schedules");
  ASSERT_EQ(sheets.size(), 2u) << log;
  const auto& structures = sheets.at("Structure Schedule");
  const auto& pipes = sheets.at("Pipe Schedule");
  ASSERT_EQ(structures.size(), 4u + kSmallStructureRows.size()) << log;
  ASSERT_EQ(pipes.size(), 4u + kSmallPipeRows.size()) << log;
  EXPECT_EQ(structures[0][0], "STRUCTURE SCHEDULE");
  EXPECT_EQ(pipes[2][2], "FROM STR.");
  for (size_t i = 0; i < kSmallStructureRows.size(); ++i) {
    std::vector<std::string> want = kSmallStructureRows[i];
    // Shown through the template's "0.00" format.
    want[9] = formatFixed(std::stod(want[9]), 2);
    EXPECT_EQ(structures[4 + i], want) << "structure row " << i + 5;
  }
  for (size_t i = 0; i < kSmallPipeRows.size(); ++i)
    EXPECT_EQ(pipes[4 + i], kSmallPipeRows[i]) << "pipe row " << i + 5;
}

// Five branches of eight structures each.
void fillFortyStructures(Session& s) {
  s.tables.clearAndLayout();
  int pipeRow = 1;
  for (int r = 1; r <= 40; ++r) {
    const int branch = (r - 1) / 8 + 1;
    const std::string top = r == 17 ? "n/a" : formatFixed(120.0 + r, 2);
    structure(s, r,
              {std::to_string(branch), "N-" + std::to_string(r), "Inlet", std::to_string(r) + "+00",
               "5.00", "Rt", top, formatFixed(110.0 + r * 0.25, 2), "DI-3", "6", ""});
    if (r % 8 != 0)
      pipe(s, pipeRow++,
           {std::to_string(branch), "P-" + std::to_string(r), "N-" + std::to_string(r),
            "N-" + std::to_string(r + 1), formatFixed(100.0 + r, 2), "101.00", "Circular",
            "Concrete", "18", "0", "1", "40.00", "0", "4.00"});
  }
  s.tables.selectFirstRows();
}

TEST(ExcelExport, FortyStructuresFillRowsFiveToFortyFour) {
  ScratchFolder scratch;
  Export ex;
  fillFortyStructures(ex.session);
  const fs::path target = scratch / "forty.xlsx";
  ASSERT_TRUE(ex.run(target));
  const ReadWorkbook book = readWithOpenpyxl(target);
  ASSERT_TRUE(book.ok) << book.output;
  const ReadSheet& sheet = book.sheets[0];
  EXPECT_EQ(sheet.lastRowWithValue(), 44);
  EXPECT_EQ(book.sheets[1].lastRowWithValue(), 4 + 35);
  for (int r = 1; r <= 40; ++r) {
    const int n = r + 4;
    EXPECT_EQ(sheet.value(ref(1, n)), "N-" + std::to_string(r));
    // The last structure of each branch has no pipe entering it.
    const bool lastOfBranch = r % 8 == 0;
    EXPECT_EQ(sheet.value(ref(7, n)), lastOfBranch ? "" : formatFixed(100.0 + r, 2)) << "H" << n;
    EXPECT_EQ(sheet.value(ref(8, n)), r == 1 ? "" : formatFixed(110.0 + r * 0.25, 2)) << "I" << n;
    EXPECT_EQ(sheet.type(ref(9, n)), "n") << "J" << n;
  }
  // Row 1 is measured to the first pipe's outlet; row 17 has no top elevation.
  EXPECT_DOUBLE_EQ(std::stod(sheet.value("J5")), 20.0);
  EXPECT_DOUBLE_EQ(std::stod(sheet.value("J21")), 0.0);
  ASSERT_EQ(ex.session.warnings.items().size(), 1u);
  EXPECT_NE(ex.session.warnings.items()[0].find("row 17"), std::string::npos);
  expectTemplateLayout(book, readTemplate(scratch), {40, 35});
}

// The example projects through Create Profile Data: every cell from row 5 is
// checked against the tables, read the way a designer reads the schedule.
TEST(ExcelExport, ExampleProjectsExportAndReadBack) {
  struct Project {
    std::string name, tailWater;
  };
  ScratchFolder scratch;
  std::map<std::string, std::pair<int, int>> counts;  // structures, pipes
  std::vector<fs::path> workbooks;
  bool sawElliptical = false;
  for (const Project& p : {Project{"highway", "399.80"}, Project{"metric", "55.40"}}) {
    SCOPED_TRACE(p.name);
    Export ex;
    const fs::path examples = fs::path(TARVELLO_BINARY_DIR) / "examples";
    ASSERT_EQ(ex.session.databases.openPipeDatabase((examples / (p.name + ".bvp")).string()), "");
    ASSERT_EQ(ex.session.databases.openInletDatabase((examples / (p.name + ".olm")).string()), "");
    ex.session.outfallNode = "1";
    ex.session.tailWaterText = p.tailWater;
    ASSERT_TRUE(createProfileData(ex.session).ran);
    const fs::path target = scratch / (p.name + ".xlsx");
    ASSERT_EQ(ex.run(target), target.string());
    workbooks.push_back(target);
    const ReadWorkbook book = readWithOpenpyxl(target);
    ASSERT_TRUE(book.ok) << book.output;

    const Table& st = ex.session.tables.structures;
    const Table& pt = ex.session.tables.pipes;
    int structures = 0, pipes = 0;
    while (!st.cell(structures + 1, strcol::StrNo).empty()) ++structures;
    while (!pt.cell(pipes + 1, pipecol::PipeNo).empty()) ++pipes;
    counts[p.name] = {structures, pipes};
    const ReadSheet& s1 = book.sheets[0];
    EXPECT_EQ(s1.lastRowWithValue(), structures + 4);
    for (int r = 1; r <= structures; ++r) {
      auto at = [r](char column) { return std::string(1, column) + std::to_string(r + 4); };
      auto cell = [&st, r](int column) { return st.cell(r, column); };
      EXPECT_EQ(s1.value(at('B')), cell(strcol::StrNo));
      EXPECT_EQ(s1.value(at('D')), cell(strcol::Station));
      const std::string side = cell(strcol::OffsetLoc);
      EXPECT_EQ(s1.value(at('E')), cell(strcol::Offset) + (side.empty() ? "" : "-" + side));
      EXPECT_EQ(s1.value(at('F')), cell(strcol::VdotStd) + "/" + cell(strcol::StrType));
      EXPECT_EQ(s1.value(at('G')), cell(strcol::TopElev));
      // INV. IN: the outlet invert of the pipe from the next structure of the
      // branch into this one; none at a branch's upstream end.
      std::string inflow;
      if (st.cell(r + 1, strcol::BranchId) == cell(strcol::BranchId))
        for (int q = 1; q <= pipes; ++q)
          if (pt.cell(q, pipecol::NodeOut) == cell(strcol::StrNo) &&
              pt.cell(q, pipecol::NodeIn) == st.cell(r + 1, strcol::StrNo))
            inflow = pt.cell(q, pipecol::ElevOut);
      EXPECT_EQ(s1.value(at('H')), inflow) << at('H');
      EXPECT_EQ(s1.value(at('I')), r == 1 ? "" : cell(strcol::BottomElev));
      // A depth without both elevations is written as 0 (structure 3 of the
      // highway project has no top).
      const auto top = parseNumber(cell(strcol::TopElev));
      const auto bottom =
          parseNumber(r == 1 ? pt.cell(1, pipecol::ElevOut) : cell(strcol::BottomElev));
      ASSERT_EQ(s1.type(at('J')), "n") << at('J');
      EXPECT_NEAR(std::stod(s1.value(at('J'))), top && bottom ? *top - *bottom : 0.0, 0.0051)
          << at('J');
      EXPECT_EQ(s1.value(at('K')), cell(strcol::Length));
      EXPECT_EQ(s1.value(at('L')), cell(strcol::Shaping));
      const bool frame =
          cell(strcol::StrType) == "Man Hole" || cell(strcol::StrType) == "Junction Box";
      EXPECT_EQ(s1.value(at('M')), frame ? "MH-1FR.&C" : "");
    }
    const ReadSheet& s2 = book.sheets[1];
    EXPECT_EQ(s2.lastRowWithValue(), pipes + 4);
    for (int r = 1; r <= pipes; ++r) {
      auto at = [r](char column) { return std::string(1, column) + std::to_string(r + 4); };
      auto cell = [&pt, r](int column) { return pt.cell(r, column); };
      const bool circular = cell(pipecol::Shape) == "Circular";
      sawElliptical =
          sawElliptical || (cell(pipecol::Shape) == "Elliptical" && s2.value(at('E')) == "19x30");
      const std::vector<std::pair<char, std::string>> expected = {
          {'C', cell(pipecol::NodeIn)},
          {'D', cell(pipecol::NodeOut)},
          {'E',
           circular ? cell(pipecol::DiaRise) : cell(pipecol::DiaRise) + "x" + cell(pipecol::Span)},
          {'F', cell(pipecol::Shape)},
          {'G', cell(pipecol::Material)},
          {'H', cell(pipecol::NumPipes)},
          {'I', cell(pipecol::ElevIn)},
          {'J', cell(pipecol::ElevOut)},
          {'K', cell(pipecol::Length)},
          {'L', cell(pipecol::Skew)},
          {'M', cell(pipecol::HeightOfCover)}};
      for (const auto& [column, value] : expected)
        EXPECT_EQ(s2.value(at(column)), value) << at(column);
    }
  }
  EXPECT_TRUE(sawElliptical) << "the highway project's 19 x 30 in elliptical pipe";

  if (!haveLibreOffice()) return;
  std::string log;
  const auto books = readWithLibreOffice(workbooks, scratch.path(), &log);
  for (const auto& [name, count] : counts) {
    ASSERT_EQ(books.count(name), 1u) << log;
    EXPECT_EQ(books.at(name).at("Structure Schedule").size(), 4u + count.first) << name;
    EXPECT_EQ(books.at(name).at("Pipe Schedule").size(), 4u + count.second) << name;
  }
}

TEST(ExcelExport, ReplacesAnExistingWorkbookOnlyAfterYes) {
  ScratchFolder scratch;
  const fs::path target = scratch / "schedules.xlsx";
  Export first;
  fillFortyStructures(first.session);
  ASSERT_TRUE(first.run(target));
  const std::string before = fileBytes(target);

  Export second;
  fillSmallProject(second.session);
  second.ui.yes = false;
  EXPECT_FALSE(second.run(target));
  EXPECT_EQ(second.ui.questions, std::vector<std::string>{"File Already Exists!   Overwrite?"});
  EXPECT_EQ(fileBytes(target), before);

  second.ui.yes = true;
  ASSERT_EQ(second.run(target), target.string());
  EXPECT_EQ(scratch.fileNames(), std::vector<std::string>{"schedules.xlsx"});
  // A fresh copy of the template: nothing of the forty rows is left.
  const ReadWorkbook book = readWithOpenpyxl(target);
  ASSERT_TRUE(book.ok) << book.output;
  expectRows(book.sheets[0], kSmallStructureRows, "J");
  expectRows(book.sheets[1], kSmallPipeRows, "");
}

TEST(ExcelExport, NeedsDataAndAFileName) {
  ScratchFolder scratch;
  Export ex;
  EXPECT_FALSE(ex.run(scratch / "x.xlsx"));
  EXPECT_TRUE(ex.ui.saveRequests.empty()) << "no dialog without profile data";
  EXPECT_TRUE(ex.ui.messages.empty());

  fillSmallProject(ex.session);
  for (const char* answer : {"", "*.xlsx"}) {
    ex.ui.messages.clear();
    EXPECT_FALSE(ex.run(answer));
    EXPECT_EQ(ex.ui.messages, std::vector<std::string>{"No File Name selected!"}) << answer;
  }
  EXPECT_TRUE(scratch.fileNames().empty());
}

// Runs `body` in a child process that has given up root, so that a folder
// without write permission really cannot be written. What body returns comes
// back through a pipe.
std::string withoutRoot(const std::function<std::string()>& body) {
  if (::geteuid() != 0) return body();
  int fds[2];
  if (::pipe(fds) != 0) return "no pipe";
  std::fflush(nullptr);  // the child must not repeat buffered test output
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    const std::string result =
        ::setgid(65534) == 0 && ::setuid(65534) == 0 ? body() : std::string("still root");
    const ssize_t written = ::write(fds[1], result.data(), result.size());
    ::_exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
  }
  ::close(fds[1]);
  std::string result;
  char buffer[1024];
  ssize_t got = 0;
  while ((got = ::read(fds[0], buffer, sizeof buffer)) > 0)
    result.append(buffer, static_cast<size_t>(got));
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return result;
}

TEST(ExcelExport, ReportsFailuresAndLeavesNoPartialWorkbook) {
  ScratchFolder scratch;
  fs::create_directories(scratch / "program");
  fs::create_directories(scratch / "out");
  const fs::path target = scratch / "out" / "schedules.xlsx";

  // No template beside the program: nothing is created, and an existing file
  // the user agreed to replace stays as it was.
  {
    Export ex;
    fillSmallProject(ex.session);
    ex.session.programFolder = (scratch / "program").string();
    EXPECT_FALSE(ex.run(target));
    ASSERT_EQ(ex.ui.messages.size(), 1u);
    EXPECT_NE(ex.ui.messages[0].find("Excel template could not be read:"), std::string::npos);
    EXPECT_NE(ex.ui.messages[0].find((scratch / "program" / "SCHEDULES.xlr").string()),
              std::string::npos);
    EXPECT_FALSE(fs::exists(target));

    std::ofstream(target) << "an older workbook";
    ex.ui.messages.clear();
    EXPECT_FALSE(ex.run(target));
    EXPECT_EQ(ex.ui.messages.size(), 1u);
    EXPECT_EQ(fileBytes(target), "an older workbook");
    EXPECT_EQ(fileNamesIn(scratch / "out"), std::vector<std::string>{"schedules.xlsx"});
    fs::remove(target);
  }
  // A template that is no workbook.
  {
    std::ofstream(scratch / "program" / "SCHEDULES.xlr") << "not a zip archive";
    Export ex;
    fillSmallProject(ex.session);
    ex.session.programFolder = (scratch / "program").string();
    EXPECT_FALSE(ex.run(target));
    ASSERT_EQ(ex.ui.messages.size(), 1u);
    EXPECT_NE(ex.ui.messages[0].find("Excel template could not be read:"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(scratch / "out"));
  }
  // A folder the user may not write to, with and without a file to replace.
  // The template is copied where the unprivileged user can surely read it.
  const fs::path installed = scratch / "installed";
  fs::create_directories(installed);
  fs::copy_file(kProgramFolder / kSchedulesTemplateName, installed / kSchedulesTemplateName);
  const fs::path locked = scratch / "locked";
  fs::create_directories(locked);
  std::ofstream(locked / "old.xlsx") << "an older workbook";
  for (const fs::path& folder : {scratch.path(), installed})
    fs::permissions(folder, fs::perms::others_exec | fs::perms::others_read, fs::perm_options::add);
  fs::permissions(installed / kSchedulesTemplateName, fs::perms::others_read,
                  fs::perm_options::add);
  fs::permissions(locked,
                  fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                      fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec,
                  fs::perm_options::replace);
  for (const char* name : {"new.xlsx", "old.xlsx"}) {
    const std::string messages = withoutRoot([&] {
      Export ex;
      fillSmallProject(ex.session);
      ex.session.programFolder = installed.string();
      const bool saved = ex.run(locked / name).has_value();
      std::string out = saved ? "saved\n" : "";
      for (const auto& m : ex.ui.messages) out += m + "\n";
      return out;
    });
    EXPECT_NE(messages.find("Excel workbook could not be written:\n" + (locked / name).string()),
              std::string::npos)
        << messages;
    EXPECT_EQ(messages.find("saved"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(locked / "new.xlsx"));
  EXPECT_EQ(fileBytes(locked / "old.xlsx"), "an older workbook");
  EXPECT_EQ(fileNamesIn(locked), std::vector<std::string>{"old.xlsx"});
}

}  // namespace
}  // namespace tarvello
