// The dialog side of the drawing commands: the save dialog, its checks, the
// overwrite question and the messages, around the plain operations.
#include <gtest/gtest.h>

#include <filesystem>

#include "commands/commands.h"
#include "dxf/dxf_test_support.h"
#include "dxf/scripted_ui.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::ScriptedUi;

// A session whose pipe table has one pipe, so the pipe schedule has something to draw.
Session onePipeSession() {
  Session session;
  session.tables().clearAndLayout();
  Table& p = session.tables().pipes;
  p.setCell(1, pipecol::BranchId, "1");
  p.setCell(1, pipecol::PipeNo, "P1");
  p.setCell(1, pipecol::NodeOut, "O");
  p.setCell(1, pipecol::NodeIn, "A");
  p.setCell(1, pipecol::Shape, "Circular");
  p.setCell(1, pipecol::DiaRise, "18");
  return session;
}

TEST(DrawingDialog, AsksForANameChecksItAndConfirmsAReplacement) {
  ScratchFolder scratch;
  Session session = onePipeSession();
  session.lastFolder = "/some/folder";
  for (const char* answer : {"", "*.dxf"}) {
    ScriptedUi ui;
    ui.saveNames = {answer};
    EXPECT_FALSE(drawPipeSchedule(session, ui));
    ASSERT_EQ(ui.saveRequests.size(), 1u);
    EXPECT_EQ(ui.saveRequests[0].title, "Save");
    EXPECT_EQ(ui.saveRequests[0].filter, "Create DXF files (*.dxf)|*.dxf");
    EXPECT_EQ(ui.saveRequests[0].initialFolder, "/some/folder");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "No DXF File Name selected!");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
  }

  // Declining the question keeps the file as it was and says nothing more.
  const std::string existing = scratch.file("old.dxf");
  testing::writeBytes(existing, "old contents\r\n");
  {
    ScriptedUi ui;
    ui.saveNames = {existing};
    ui.answers = {false};
    EXPECT_FALSE(drawPipeSchedule(session, ui));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].text, "File Already Exists!   Overwrite?");
    EXPECT_EQ(ui.questions[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(testing::readBytes(existing), "old contents\r\n");
  }
  // Agreeing replaces it; a new name is written without a question, as typed.
  for (const std::string& path : {existing, scratch.file("plain")}) {
    ScriptedUi ui;
    ui.saveNames = {path};
    ui.answers = {true};
    EXPECT_TRUE(drawPipeSchedule(session, ui));
    EXPECT_EQ(ui.questions.size(), path == existing ? 1u : 0u);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "DXF file was saved to:" + path);
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::None);
    EXPECT_NE(testing::readBytes(path), "old contents\r\n");
  }
  EXPECT_FALSE(fs::exists(scratch.file("plain.dxf")));

  // A failure is shown once, with the file and the reason, and nothing stays.
  const fs::path folder = scratch.path() / "folder.dxf";
  fs::create_directory(folder);
  ScriptedUi ui;
  ui.saveNames = {folder.string()};
  ui.answers = {true};
  EXPECT_FALSE(drawPipeSchedule(session, ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text.rfind("DXF file could not be written:" + folder.string() + "\n", 0),
            0u);
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST(DrawingDialog, NothingIsAskedWhenThereIsNothingToDraw) {
  Session session;
  session.tables().clearAndLayout();
  ScriptedUi ui;
  EXPECT_FALSE(drawPipeSchedule(session, ui));
  EXPECT_FALSE(drawStructureSchedule(session, ui));
  EXPECT_TRUE(ui.saveRequests.empty());
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace tarvello
