// The project databases: outfall list, unit system, tables and fields by name,
// bad files and their messages, and files left as they were.
#include <gtest/gtest.h>

#include <gtest/gtest-spi.h>

#include <filesystem>
#include <fstream>
#include <random>

#include <unistd.h>

#include "database/project_database.h"
#include "support/database_test_support.h"
#include "support/sql_fixture.h"

namespace tarvello {
namespace {

using namespace std::string_literals;
using dbtest::ScratchFolder;
using jet::Cell;
using jet::ColumnType;
using jet::Null;

std::vector<std::vector<Cell>> pipesWithOutlets(const std::vector<Cell>& outlets) {
  std::vector<std::vector<Cell>> rows;
  int n = 0;
  for (const auto& outlet : outlets) rows.push_back({"P"s + std::to_string(++n), outlet, "X"s});
  return rows;
}

// The message of the DatabaseError that `f` throws.
template <typename F>
std::string errorOf(F f) {
  try {
    f();
  } catch (const DatabaseError& e) {
    return e.what();
  }
  return "(no error)";
}

std::string inletDatabase(const ScratchFolder& folder, const std::string& name,
                          const std::string& units) {
  return dbtest::writeJet(
      folder, name,
      {dbtest::table("INLET",
                     {{"INLET_NUMBER", ColumnType::Text}, {"INLET_SUBTYPE", ColumnType::Text}},
                     {{"1"s, "DI-3B"s}}),
       dbtest::projectTable(units)});
}

TEST(OutfallList, HoldsEveryDistinctNodeThatIsNeitherNullNorEmptyAscending) {
  ScratchFolder folder;
  const auto path = dbtest::writeJet(
      folder, "outfalls.bvp",
      {dbtest::pipeTable(
           pipesWithOutlets({"B2"s, "a1"s, "A1"s, Null{}, ""s, "B2"s, "10"s, "9"s, "O'Hara"s,
                             Null{}, "STRUCTURE-9"s, "Élan"s, "STRUCTURE"s, "STRUCTURE-10"s})),
       dbtest::projectTable("ENGLISH")});
  // Exact, case-sensitive text by its bytes: "a1" and "A1" are two nodes, "10"
  // sorts before "9", names alike in their first 8 bytes by the rest, and a
  // letter beyond ASCII after every ASCII one.
  const std::vector<std::string> expected = {
      "10", "9", "A1", "B2", "O'Hara", "STRUCTURE", "STRUCTURE-10", "STRUCTURE-9", "a1", "Élan"};
  EXPECT_EQ(ProjectDatabase::openJet(path, DatabaseKind::Pipe)->outfallNodes(), expected);

  ProjectDatabases databases;
  EXPECT_TRUE(databases.outfallNodes().empty());
  ASSERT_EQ(databases.openPipeDatabase(path), "");
  EXPECT_EQ(databases.outfallNodes(), expected);
}

// Values of mixed kinds, as a test fixture may hold them, in the order SQL
// gives them: numbers by value (the integer 2 and the real 2.0 are two, in
// stored order), then text, then binary values, each by its bytes; an empty
// binary value is not "".
TEST(OutfallList, MixedKindsSortAsSqlSortsThem) {
  const auto db = testing::databaseFromSql(
      "CREATE TABLE PIPE (PIPE_NUMBER, NODEOUT_NO, NODEIN_NO);"
      "INSERT INTO PIPE (NODEOUT_NO) VALUES (10), ('b'), (9.5), (2), (2.0), ('10'), (''), (X''),"
      " (X'41'), ('B'), ('\xc3\x98'), (NULL), (-3), (-2.5), (9007199254740993),"
      " (9007199254740992.0), ('a');",
      DatabaseKind::Pipe);
  const std::vector<std::string> expected = {
      "-3", "-2.5", "2", "2",        "9.5", "10", "9.00719925474099E+15", "9007199254740993", "10",
      "B",  "a",    "b", "\xc3\x98", "",    "A"};
  EXPECT_EQ(db->outfallNodes(), expected);
}

TEST(ProjectTables, TablesAndFieldsAreFoundInAnyCaseAndWhatIsMissingIsNamed) {
  ScratchFolder folder;
  const auto path =
      dbtest::writeJet(folder, "quotes.bvp",
                       {dbtest::pipeTable({{"P1"s, "OUT"s, "O'Brien 1"s}, {"P2"s, "OUT"s, "x"s}}),
                        dbtest::projectTable("ENGLISH")});
  const auto db = ProjectDatabase::openJet(path, DatabaseKind::Pipe);

  const StoredTable& pipes = db->table("pipe");
  EXPECT_EQ(pipes.name(), "PIPE");
  ASSERT_EQ(pipes.rowCount(), 2u);
  EXPECT_EQ(pipes.value(0, pipes.columnIndex("pipe_number")), Value::text("P1"));
  EXPECT_EQ(pipes.text(0, pipes.columnIndex("NODEIN_NO")), "O'Brien 1");
  EXPECT_EQ(pipes.columnIndex("NO_SUCH_FIELD"), -1);
  EXPECT_EQ(errorOf([&] { db->table("INLET"); }), path + ": table INLET is missing");
  const auto noOutlets = testing::databaseFromSql("CREATE TABLE PIPE (PIPE_NUMBER);",
                                                  DatabaseKind::Pipe, "fixture.bvp");
  EXPECT_EQ(errorOf([&] { noOutlets->outfallNodes(); }),
            "fixture.bvp: field NODEOUT_NO is missing");
}

// The folder checks that opening the files, again and as the wrong kind, leaves them unchanged.
TEST(UnitSystem, TheDatabaseOpenedLastDecides) {
  ScratchFolder folder;
  const auto pipe = dbtest::writeJet(
      folder, "pipe.bvp",
      {dbtest::pipeTable(pipesWithOutlets({"1"s})), dbtest::projectTable("ENGLISH")});
  const auto inlet = inletDatabase(folder, "inlet.olm", "english");
  const auto noUnits =
      dbtest::writeJet(folder, "null.olm",
                       {dbtest::table("INLET", {{"INLET_NUMBER", ColumnType::Text}}),
                        dbtest::projectTable("", /*null=*/true)});

  ProjectDatabases databases;
  EXPECT_EQ(databases.unitSystem(), "");
  ASSERT_EQ(databases.openPipeDatabase(pipe), "");
  EXPECT_EQ(databases.unitSystem(), "ENGLISH");
  // Read as stored: whether "english" is English units is decided downstream (it is not).
  ASSERT_EQ(databases.openInletDatabase(inlet), "");
  EXPECT_EQ(databases.unitSystem(), "english");
  EXPECT_EQ(databases.pipeDbPath(), pipe);
  EXPECT_EQ(databases.inletDbPath(), inlet);
  ASSERT_EQ(databases.openPipeDatabase(pipe), "");
  EXPECT_EQ(databases.unitSystem(), "ENGLISH");
  ASSERT_EQ(databases.openInletDatabase(noUnits), "");
  EXPECT_EQ(databases.unitSystem(), "");  // a null UNITS joined to text
}

TEST(ProjectDatabases, AFailedOpenKeepsThePreviousDatabaseAndUnits) {
  ScratchFolder folder;
  const auto pipe = dbtest::writeJet(
      folder, "pipe.bvp",
      {dbtest::pipeTable(pipesWithOutlets({"OUT-1"s})), dbtest::projectTable("ENGLISH")});
  const auto inlet = inletDatabase(folder, "inlet.olm", "METRIC");
  const auto emptyProject =
      dbtest::writeJet(folder, "empty-project.bvp",
                       {dbtest::pipeTable(pipesWithOutlets({"OTHER"s})),
                        dbtest::table("PROJECT", {{"UNITS", ColumnType::Text}})});

  ProjectDatabases databases;
  ASSERT_EQ(databases.openPipeDatabase(pipe), "");
  const ProjectDatabase* before = databases.pipe();

  const std::vector<std::pair<std::string, std::string>> failures = {
      {folder.file("gone.bvp"), ": the file does not exist"},
      {inlet, " is an inlet project database, not a pipe project database"},
      {emptyProject, ": table PROJECT has no records, so the unit system is unknown"},
  };
  for (const auto& [path, problem] : failures) {
    EXPECT_EQ(databases.openPipeDatabase(path), path + problem);
    EXPECT_EQ(databases.pipe(), before) << path;
    EXPECT_EQ(databases.pipeDbPath(), pipe) << path;
    EXPECT_EQ(databases.unitSystem(), "ENGLISH") << path;
    EXPECT_EQ(databases.outfallNodes(), std::vector<std::string>{"OUT-1"}) << path;
  }
  EXPECT_EQ(databases.openInletDatabase(pipe),
            pipe + " is a pipe project database, not an inlet project database");
  EXPECT_EQ(databases.inlet(), nullptr);
  EXPECT_EQ(databases.inletDbPath(), "");
  EXPECT_EQ(databases.unitSystem(), "ENGLISH");
}

TEST(ProjectDatabase, BadFilesGiveAMessageNamingTheFileAndTheProblem) {
  ScratchFolder folder;
  const auto good = dbtest::writeJet(
      folder, "good.bvp",
      {dbtest::pipeTable(pipesWithOutlets({"1"s})), dbtest::projectTable("ENGLISH")});
  const std::string goodBytes = dbtest::readBytes(good);
  std::mt19937 random(29);
  std::string noise(5 * 4096, '\0');  // whole pages, so that only the catalog is at fault
  for (auto& c : noise) c = static_cast<char>(random());
  // A Jet header on random pages: passes the first look, fails on the catalog.
  const std::string jetHeaderOnNoise = goodBytes.substr(0, 4096) + noise;

  struct Case {
    std::string path;
    std::string problem;
  };
  const std::vector<Case> cases = {
      {folder.file("missing.bvp"), "the file does not exist"},
      {folder.writeFile("empty.bvp", ""), "the file is empty, not a Jet (Access) database"},
      {folder.writeFile("noise.bvp", noise), "this is not a Jet (Access) database"},
      {folder.writeFile("notes.bvp", "PIPE,NODEOUT_NO\nP1,OUT\n"),
       "this is not a Jet (Access) database"},
      {folder.path().string(), "this is a folder, not a database file"},
      {folder.writeFile("truncated.bvp", goodBytes.substr(0, 4096)),
       "the list of tables cannot be read (the file is damaged)"},
      {folder.writeFile("scrambled.bvp", jetHeaderOnNoise),
       "the list of tables cannot be read (the file is damaged)"},
      {dbtest::writeJet(folder, "no-project.bvp", {dbtest::pipeTable({})}),
       "table PROJECT is missing"},
      {dbtest::writeJet(folder, "no-tables.bvp",
                        {dbtest::table("NOTES", {{"TEXT", ColumnType::Text}})}),
       "tables PIPE and PROJECT are missing"},
      {dbtest::writeJet(folder, "no-units.bvp",
                        {dbtest::pipeTable({}),
                         dbtest::table("PROJECT", {{"UNIT", ColumnType::Text}}, {{"ENGLISH"s}})}),
       "table PROJECT has no field UNITS"},
  };
  // The folder checks, as it goes, that every one of these files is unchanged.
  for (const auto& c : cases)
    EXPECT_EQ(errorOf([&] { ProjectDatabase::openJet(c.path, DatabaseKind::Pipe); }),
              c.path + ": " + c.problem);

  // Permissions do not bind root, so this case is only seen by other users.
  if (::geteuid() != 0) {
    const auto locked = folder.writeFile("locked.bvp", goodBytes);
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    EXPECT_EQ(errorOf([&] { ProjectDatabase::openJet(locked, DatabaseKind::Pipe); }),
              locked + ": the file cannot be read (Permission denied)");
  }
}

// The check every database test relies on notices new bytes and a new time.
TEST(ScratchFolder, NoticesAWatchedFileThatWasWrittenOrTouched) {
  ScratchFolder folder;
  const auto appended = folder.writeFile("appended.bvp", "abc");
  std::ofstream(appended, std::ios::app) << "d";
  EXPECT_NONFATAL_FAILURE(folder.expectWatchedFilesUntouched(), "appended.bvp was changed");
  folder.watch(appended);
  const auto touched = folder.writeFile("touched.bvp", "abc");
  std::filesystem::last_write_time(touched, std::filesystem::file_time_type::clock::now());
  EXPECT_NONFATAL_FAILURE(folder.expectWatchedFilesUntouched(), "touched.bvp was changed");
  folder.watch(touched);
}

}  // namespace
}  // namespace tarvello
