// The one save command for every output of the catalogue, on the highway
// project: its dialog, each answer a user can give, and what is said.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "commands/commands.h"
#include "run/outputs.h"
#include "support/database_test_support.h"
#include "support/scripted_ui.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;

// The dialog texts as the users of the first program know them, and the
// start of what is said once a file is written ("" says nothing) or failed.
struct Texts {
  const char *title, *filter, *extension, *emptyName, *noName, *saved, *failed;
};
const std::map<OutputReport, Texts> kTexts{
    {OutputReport::Table,
     {"Save Table as CSV", "CSV files (*.csv)|*.csv", ".csv", "", "", "",
      "The table could not be saved:\n"}},
    {OutputReport::Drawing,
     {"Save", "Create DXF files (*.dxf)|*.dxf", "", "*.dxf", "No DXF File Name selected!",
      "DXF file was saved to:", "DXF file could not be written:"}},
    {OutputReport::Workbook,
     {"Enter New File Name for Pipe Profile Schedules", "Tarvello Schedule files (*.xlsx)|*.xlsx",
      ".xlsx", "*.xlsx", "No File Name selected!", "", "Excel workbook could not be written:\n"}},
    {OutputReport::Pdf,
     {"Export PDF", "PDF files (*.pdf)|*.pdf", ".pdf", "*.pdf", "No PDF File Name selected!",
      "PDF file was saved to:", "PDF file could not be written:"}},
};

TEST(SaveDialogs, EveryOutputAsksConfirmsAndSaysTheSameWay) {
  dbtest::ScratchFolder folder;
  Session session;
  session.programFolder = (fs::path(TARVELLO_BINARY_DIR) / "bin").string();
  ASSERT_EQ(session.databases.openPipeDatabase(folder.copyExample("highway.bvp")), "");
  ASSERT_EQ(session.databases.openInletDatabase(folder.copyExample("highway.olm")), "");
  session.outfallNode = "1";
  session.tailWaterText = "399.80";
  ASSERT_TRUE(createProfileData(session).ran);
  session.lastFolder = folder.path().string();
  const RunFindings checks = RunFindings::check(*session.run, Criteria::defaults(true));

  for (const OutputDescription& output : outputCatalogue()) {
    if (!output.available) continue;
    SCOPED_TRACE(std::string(output.id));
    // The findings are saved as a table is.
    Texts t =
        kTexts.at(output.report == OutputReport::Findings ? OutputReport::Table : output.report);
    // The warnings are no table of the window's: their dialog says what it saves.
    if (output.id == "warnings") t.title = "Save Warnings as CSV";
    // Row 1 of the branch table chosen, as the one-pipe outputs and the workbook need.
    auto save = [&](ScriptedUi& ui) { return saveOutput(session, ui, output, 1, &checks); };

    // No name, or the dialog's own empty name: its message, nothing written.
    for (const std::string& answer : {std::string(), std::string(t.emptyName)}) {
      ScriptedUi ui;
      ui.saveAnswers = {answer};
      EXPECT_FALSE(save(ui));
      ASSERT_EQ(ui.requests.size(), 1u);
      EXPECT_EQ(ui.requests[0].title, t.title);
      EXPECT_EQ(ui.requests[0].filter, t.filter);
      EXPECT_EQ(ui.requests[0].defaultExtension, t.extension);
      EXPECT_EQ(ui.requests[0].initialFolder, folder.path().string());
      EXPECT_EQ(ui.lastMessage(), t.noName);
    }

    // An existing file: "No" keeps it and says nothing more; "Yes" replaces it.
    const std::string path =
        folder.file(std::string(output.id) + "." + std::string(output.extension));
    std::ofstream(path) << "old";
    for (const bool yes : {false, true}) {
      ScriptedUi ui;
      ui.saveAnswers = {path};
      ui.yesNoAnswers = {yes};
      EXPECT_EQ(save(ui), yes ? std::optional(path) : std::nullopt);
      EXPECT_EQ(ui.questions, std::vector<std::string>{"File Already Exists!   Overwrite?"});
      EXPECT_EQ(ui.questionIcons.at(0), MessageIcon::Exclamation);
      EXPECT_EQ(ui.lastMessage(), yes && *t.saved ? t.saved + path : "");
      EXPECT_EQ(dbtest::readBytes(path) == "old", !yes);
    }
    fs::remove(path);

    // A folder in the file's place: the failure is shown once, naming the file.
    const fs::path blocked = folder.path() / ("blocked-" + std::string(output.id));
    fs::create_directories(blocked / "inside");
    ScriptedUi ui;
    ui.saveAnswers = {blocked.string()};
    ui.yesNoAnswers = {true};
    EXPECT_FALSE(save(ui));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.rfind(t.failed + blocked.string() + "\n", 0), 0u)
        << ui.messages[0].text;
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(fs::is_directory(blocked / "inside"));
  }
}

TEST(SaveDialogs, NothingIsAskedWhenThereIsNothingToSave) {
  Session session;
  ScriptedUi ui;
  EXPECT_FALSE(drawPipeSchedule(session, ui));
  EXPECT_FALSE(drawStructureSchedule(session, ui));
  EXPECT_FALSE(plotCurrentPipeProfile(session, ui));
  EXPECT_FALSE(plotCurrentBranchProfile(session, ui));
  EXPECT_FALSE(plotAllProfiles(session, ui));
  EXPECT_FALSE(exportSchedulesToExcel(session, ui));
  EXPECT_TRUE(ui.requests.empty());
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace tarvello
