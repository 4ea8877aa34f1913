#pragma once
// The object names of the main window's widgets. They keep the names the
// window has always had (tests, screenshots and the help look widgets up by
// them); the constants give each a readable name in the code.
namespace tarvello::widget {

inline constexpr const char* kMainWindow = "frmProfileinput";
inline constexpr const char* kPipeDatabaseLabel = "lblPipeDatabase";
inline constexpr const char* kPipeDatabaseField = "pipe_database";
inline constexpr const char* kInletDatabaseLabel = "lblInletDatabase";
inline constexpr const char* kInletDatabaseField = "inlet_database";
inline constexpr const char* kOpenPipeDatabase = "mnubrowsePipe";
inline constexpr const char* kOpenInletDatabase = "mnubrowseInlet";
inline constexpr const char* kOutfallLabel = "lblOutfall";
inline constexpr const char* kOutfallBox = "hglanodeout";
inline constexpr const char* kTailWaterLabel = "lblTailWater";
inline constexpr const char* kTailWaterField = "TWE";
inline constexpr const char* kCreateProfileData = "cmdgenprofiledata";
inline constexpr const char* kStaleLine = "lblStale";  // the tables no longer match the fields
inline constexpr const char* kPages = "SSTab1";
inline constexpr const char* kStructureGrid = "strflex";
inline constexpr const char* kPipeGrid = "pipeflex";
inline constexpr const char* kBranchGrid = "profileflex1";
inline constexpr const char* kPlotsFrame = "fraPlots";
inline constexpr const char* kPipeProfile = "cmdPlotSingleProfile";
inline constexpr const char* kBranchProfile = "cmdPlotBranchProfile";
inline constexpr const char* kAllProfiles = "cmdPlotMultipleProfile";
inline constexpr const char* kViewDrawing = "cmdviewDWF";
inline constexpr const char* kSchedulesFrame = "fraSchedules";
inline constexpr const char* kStructureSchedule = "cmdStrSchedule";
inline constexpr const char* kPipeSchedule = "cmdPipeSchedule";
inline constexpr const char* kExportToExcel = "cmdXLexport";
inline constexpr const char* kPdfFrame = "fraPdf";
inline constexpr const char* kPdfPageSize = "cboPageSize";
inline constexpr const char* kExportPdf = "cmdExportPdf";
inline constexpr const char* kPreviewFrame = "fraPreview";
inline constexpr const char* kPreviewPipe = "optPreviewPipe";
inline constexpr const char* kPreviewBranch = "optPreviewBranch";
inline constexpr const char* kPreviewView = "previewView";
inline constexpr const char* kPreviewCaption = "lblPreview";
inline constexpr const char* kEnergyGradeLine = "chkEGL";
inline constexpr const char* kDesignChecksPage = "fraDesignChecks";
inline constexpr const char* kCriteriaInForce = "lblCriteria";
inline constexpr const char* kFindingsSummary = "lblFindings";
inline constexpr const char* kFindingsList = "findingsList";
inline constexpr const char* kEditCriteria = "cmdCriteria";
inline constexpr const char* kHglComputationPage = "fraHglComputation";
inline constexpr const char* kHglSheetSummary = "lblHglSheet";
inline constexpr const char* kHglSheet = "hglSheet";
inline constexpr const char* kQuantitiesPage = "fraQuantities";
inline constexpr const char* kQuantitiesSummary = "lblQuantities";
inline constexpr const char* kQuantitiesSheet = "quantitiesSheet";
inline constexpr const char* kRevisionsPage = "fraRevisions";
inline constexpr const char* kRevisionsSummary = "lblRevisions";
inline constexpr const char* kRevisionsSheet = "revisionsSheet";
inline constexpr const char* kCriteriaDialog = "dlgCriteria";
inline constexpr const char* kCriterionFreeboard = "txtFreeboard";
inline constexpr const char* kCriterionVelocityMin = "txtVelocityMin";
inline constexpr const char* kCriterionVelocityMax = "txtVelocityMax";
inline constexpr const char* kCriterionCoverMin = "txtCoverMin";
inline constexpr const char* kCriterionSizeMin = "txtSizeMin";
inline constexpr const char* kCriteriaRulePrefix = "chkRule_";  // + the rule id
inline constexpr const char* kLoadCriteria = "cmdLoadCriteria";
inline constexpr const char* kSaveCriteria = "cmdSaveCriteria";
inline constexpr const char* kDefaultCriteria = "cmdDefaultCriteria";
inline constexpr const char* kWarningsDock = "warningsDock";
inline constexpr const char* kWarningsList = "warningsList";
inline constexpr const char* kStatusBar = "statusBar";
inline constexpr const char* kShowSavedDrawing = "cmdShowSavedDrawing";
inline constexpr const char* kFileMenu = "mnuFile";
inline constexpr const char* kSaveTableCsv = "mnuSaveTableCsv";
inline constexpr const char* kSaveWarningsCsv = "mnuSaveWarningsCsv";
inline constexpr const char* kExportSubmittal = "mnuExportSubmittal";
inline constexpr const char* kSubmittalProgress = "dlgSubmittalProgress";
inline constexpr const char* kRecentProjects = "mnuRecentProjects";
inline constexpr const char* kRecentProjectPrefix = "mnuRecentProject";  // + 1, 2, ...
inline constexpr const char* kExit = "mnuExit";
inline constexpr const char* kHelpMenu = "mnuhelp";
inline constexpr const char* kHelpContents = "mnuPPHelp";
inline constexpr const char* kAbout = "mnuAbout";
inline constexpr const char* kHelpWindow = "helpWindow";
inline constexpr const char* kHelpBrowser = "helpBrowser";

}  // namespace tarvello::widget
