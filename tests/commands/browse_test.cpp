// The two browse commands with a scripted user in front of them.
#include <gtest/gtest.h>

#include "commands/browse.h"
#include "commands/session.h"
#include "commands/user_interface.h"
#include "support/database_test_support.h"
#include "support/scripted_ui.h"

namespace tarvello {
namespace {

using dbtest::ScratchFolder;
using jet::ColumnType;
using namespace std::string_literals;

// What a user was shown: each message with its icon, in order.
std::vector<std::pair<std::string, MessageIcon>> shown(const ScriptedUi& ui) {
  std::vector<std::pair<std::string, MessageIcon>> out;
  for (const auto& m : ui.messages) out.emplace_back(m.text, m.icon);
  return out;
}

struct Projects {
  ScratchFolder folder;
  std::string pipe, inlet, otherPipe;
  Projects() {
    pipe =
        dbtest::writeJet(folder, "route29.bvp",
                         {dbtest::pipeTable({{"P1"s, "OUT-2"s, "S1"s}, {"P2"s, "OUT-1"s, "S2"s}}),
                          dbtest::projectTable("ENGLISH")});
    inlet = dbtest::writeJet(folder, "route29.olm",
                             {dbtest::table("INLET", {{"INLET_NUMBER", ColumnType::Text}}),
                              dbtest::projectTable("METRIC")});
    std::filesystem::create_directories(folder.path() / "other");
    otherPipe =
        dbtest::writeJet(folder, "other/x.bvh",
                         {dbtest::table("PIPE", {{"PIPE_NUMBER", ColumnType::Text}}, {{"P9"s}}),
                          dbtest::projectTable("ENGLISH")});
  }
};

TEST(Browse, CancellingSaysSoAndChangesNothing) {
  Session session;
  session.programFolder = "/opt/tarvello";
  ScriptedUi user;
  user.openAnswers = {"", ""};

  const BrowseResult pipe = browsePipeDatabase(session, user);
  const BrowseResult inlet = browseInletDatabase(session, user);
  EXPECT_EQ(pipe.status, BrowseResult::Status::Cancelled);
  EXPECT_EQ(inlet.status, BrowseResult::Status::Cancelled);
  EXPECT_FALSE(pipe.refillOutfalls);

  ASSERT_EQ(user.requests.size(), 2u);
  const FileDialogRequest& p = user.requests[0];
  EXPECT_EQ(p.title, "Open");
  EXPECT_EQ(p.filter, "Brenvik files (*.bvp;*.bvh)|*.bvp;*.bvh");
  EXPECT_EQ(p.defaultExtension, ".bvp");
  EXPECT_EQ(p.initialFolder, "/opt/tarvello");
  EXPECT_TRUE(p.mustExist);
  EXPECT_EQ(p.fileName, "");
  const FileDialogRequest& i = user.requests[1];
  EXPECT_EQ(i.filter, "Olmstra files (*.olm;*.olh)|*.olm;*.olh");
  EXPECT_EQ(i.defaultExtension, ".olm");
  EXPECT_TRUE(i.mustExist);

  const std::vector<std::pair<std::string, MessageIcon>> expected = {
      {"No Pipe project database selected!", MessageIcon::Exclamation},
      {"No Inlet project database selected!", MessageIcon::Exclamation}};
  EXPECT_EQ(shown(user), expected);
  EXPECT_TRUE(user.questions.empty());
  EXPECT_EQ(session.lastFolder, "");
  EXPECT_EQ(session.databases.pipe(), nullptr);
}

TEST(Browse, OpeningRemembersTheFolderRefillsTheOutfallsAndReportsFailures) {
  Projects projects;
  Session session;
  ScriptedUi user;
  user.openAnswers = {projects.pipe, projects.inlet, projects.inlet, projects.otherPipe};

  const BrowseResult pipe = browsePipeDatabase(session, user);
  ASSERT_TRUE(pipe.opened()) << pipe.error;
  EXPECT_EQ(pipe.path, projects.pipe);
  EXPECT_TRUE(pipe.refillOutfalls);
  EXPECT_EQ(pipe.outfalls, (std::vector<std::string>{"OUT-1", "OUT-2"}));
  EXPECT_EQ(session.lastFolder, projects.folder.path().string());
  EXPECT_EQ(session.databases.unitSystem(), "ENGLISH");

  const BrowseResult inlet = browseInletDatabase(session, user);
  ASSERT_TRUE(inlet.opened()) << inlet.error;
  EXPECT_FALSE(inlet.refillOutfalls);
  EXPECT_EQ(user.requests[1].initialFolder, projects.folder.path().string());
  EXPECT_EQ(session.databases.unitSystem(), "METRIC");
  EXPECT_EQ(session.databases.inletDbPath(), projects.inlet);

  // The wrong kind of file: shown, and the pipe database and its outfalls stay.
  const BrowseResult wrong = browsePipeDatabase(session, user);
  EXPECT_EQ(wrong.status, BrowseResult::Status::Failed);
  EXPECT_FALSE(wrong.refillOutfalls);
  EXPECT_EQ(wrong.error,
            projects.inlet + " is an inlet project database, not a pipe project database");
  EXPECT_EQ(session.databases.pipeDbPath(), projects.pipe);
  EXPECT_EQ(session.databases.outfallNodes(), pipe.outfalls);

  // A pipe table without NODEOUT_NO opens, but its outfall list cannot be read.
  const BrowseResult other = browsePipeDatabase(session, user);
  EXPECT_TRUE(other.opened());
  EXPECT_TRUE(other.refillOutfalls);
  EXPECT_TRUE(other.outfalls.empty());
  EXPECT_EQ(other.error, projects.otherPipe + ": field NODEOUT_NO is missing");
  EXPECT_EQ(session.lastFolder, (projects.folder.path() / "other").string());

  const std::vector<std::pair<std::string, MessageIcon>> expected = {
      {wrong.error, MessageIcon::Exclamation}, {other.error, MessageIcon::Exclamation}};
  EXPECT_EQ(shown(user), expected);
  EXPECT_EQ(user.requests.size(), 4u);  // open dialogs only, no question
  EXPECT_TRUE(user.questions.empty());
}

}  // namespace
}  // namespace tarvello
