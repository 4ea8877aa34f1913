// Which databases open when one file is handed to the desktop program.
#include <gtest/gtest.h>

#include <filesystem>

#include "database/companion_database.h"
#include "support/database_test_support.h"

namespace tarvello {
namespace {

using dbtest::ScratchFolder;
namespace fs = std::filesystem;

TEST(DatabasesForOneFile, PipeDatabaseFindsItsInletDatabase) {
  ScratchFolder dir;
  const std::string pipe = dir.writeFile("route7.bvp", "x");
  // Nothing beside it: the pipe database alone, as before.
  EXPECT_EQ(databasesForOneFile(pipe).pipe, pipe);
  EXPECT_EQ(databasesForOneFile(pipe).inlet, "");

  // Other names, a folder with the right name, and the other pipe extension
  // are no partners.
  dir.writeFile("route8.olm", "x");
  dir.writeFile("route7.olm.bak", "x");
  dir.writeFile("route7.bvh", "x");
  fs::create_directory(dir.path() / "route7.olh");
  EXPECT_EQ(databasesForOneFile(pipe).inlet, "");

  const std::string olh = dir.writeFile("route7.olh2", "x");  // no partner either
  const std::string upper = dir.writeFile("ROUTE7.OLM", "x");
  EXPECT_EQ(databasesForOneFile(pipe).inlet, upper) << "letter case of a copied file is ignored";
  const std::string exact = dir.writeFile("route7.OLM", "x");
  EXPECT_EQ(databasesForOneFile(pipe).inlet, exact) << "the exact name wins";
  fs::remove(dir.path() / "route7.olh");
  const std::string h = dir.writeFile("route7.olh", "x");
  EXPECT_EQ(databasesForOneFile(pipe).inlet, exact) << ".bvp pairs with .olm first";
  EXPECT_EQ(databasesForOneFile(dir.file("route7.bvh")).inlet, h) << ".bvh pairs with .olh first";
  EXPECT_EQ(databasesForOneFile(dir.file("route7.bvh")).pipe, dir.file("route7.bvh"));
}

TEST(DatabasesForOneFile, InletDatabaseFindsItsPipeDatabase) {
  ScratchFolder dir;
  const std::string inlet = dir.writeFile("Main St.olm", "x");
  EXPECT_EQ(databasesForOneFile(inlet).pipe, "") << "an inlet database may open alone";
  EXPECT_EQ(databasesForOneFile(inlet).inlet, inlet);
  const std::string pipe = dir.writeFile("Main St.BVP", "x");
  EXPECT_EQ(databasesForOneFile(inlet).pipe, pipe);
  EXPECT_EQ(databasesForOneFile(inlet).inlet, inlet);
}

TEST(DatabasesForOneFile, OtherFilesAndMissingFolders) {
  // Anything else is handed on as the pipe database, whose open then says
  // what is wrong with it; a missing or unreadable folder finds no partner.
  EXPECT_EQ(databasesForOneFile("notes.txt").pipe, "notes.txt");
  EXPECT_EQ(databasesForOneFile("notes.txt").inlet, "");
  EXPECT_EQ(databasesForOneFile("/no/such/folder/a.bvp").pipe, "/no/such/folder/a.bvp");
  EXPECT_EQ(databasesForOneFile("/no/such/folder/a.bvp").inlet, "");
  EXPECT_EQ(databasesForOneFile("").pipe, "");

  // A bare name is looked up in the current folder and stays bare.
  ScratchFolder dir;
  dir.writeFile("p.bvp", "x");
  const std::string inlet = dir.writeFile("p.olm", "x");
  const fs::path before = fs::current_path();
  fs::current_path(dir.path());
  const DatabasePair pair = databasesForOneFile("p.bvp");
  fs::current_path(before);
  EXPECT_EQ(pair.pipe, "p.bvp");
  EXPECT_EQ(pair.inlet, "p.olm");
}

}  // namespace
}  // namespace tarvello
