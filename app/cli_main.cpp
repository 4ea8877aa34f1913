// tarvello-cli: the project databases and their derived data from the command
// line. Exit status 0 on success, 1 when a file or its data is at fault, 2 for
// a usage error.
#include <CLI/CLI.hpp>

#include <exception>
#include <iostream>
#include <string>
#include <tuple>

#include "cli_commands.h"
#include "cli_generate.h"
#include "cli_submittal.h"

int main(int argc, char** argv) {
  using namespace tarvello::cli;
  // Standard output and error are written in large blocks, not a system call
  // a line: a run that warns of thousands of structures spends its time
  // working, not writing. The run flushes both after each output, so a long
  // run still shows its progress.
  std::ios::sync_with_stdio(false);
  std::cerr.unsetf(std::ios::unitbuf);
  CLI::App app{"Tarvello: storm-drain profile data from the pipe and inlet project databases.",
               "tarvello-cli"};
  Options options;
  auto* pipeDb =
      app.add_option("--pipe-db", options.pipeDb, "Pipe project database (Brenvik .bvp/.bvh)")
          ->type_name("FILE");
  app.add_option("--inlet-db", options.inletDb,
                 "Inlet project database (Olmstra .olm/.olh), opened after the pipe database")
      ->type_name("FILE");
  app.set_version_flag("--version", std::string("tarvello-cli ") + TARVELLO_VERSION,
                       "Print the program name and version, then stop");
  app.add_flag("--force", options.force, "Answer yes to every question");
  app.add_flag("--list-outfalls", options.listOutfalls,
               "Print \"Units: \" and the unit system, then every outfall node, one a line "
               "(backslash and control characters escaped as \\\\, \\n, \\r, \\t, \\xHH)")
      ->needs(pipeDb);

  GenerateOptions gen;
  auto* outfall =
      app.add_option("--outfall", gen.outfall, "Outfall (end) node: runs Create Profile Data")
          ->type_name("NODE")
          ->needs(pipeDb);
  app.add_option("--tail-water", gen.tailWater, "Tail-water elevation at the outfall (default 0.0)")
      ->type_name("ELEV")
      ->needs(outfall);
  app.add_option("--tables", gen.tablesDir,
                 "Write structures.csv, pipes.csv and branches.csv into DIR")
      ->type_name("DIR")
      ->needs(outfall);
  app.add_option("--pipe-profile", gen.pipeProfile,
                 "Profile of the pipe on branch-table row ROW, written to FILE")
      ->type_name("ROW:FILE")
      ->needs(outfall);
  app.add_option("--branch-profile", gen.branchProfile,
                 "Profile of branch BRANCH_ID, written to FILE")
      ->type_name("BRANCH_ID:FILE")
      ->needs(outfall);
  const std::tuple<const char*, std::string*, const char*> outputs[] = {
      {"--all-profiles", &gen.allProfiles, "Write the profiles of all pipes to FILE (DXF)"},
      {"--structure-schedule", &gen.structureSchedule,
       "Write the structure schedule drawing to FILE (DXF)"},
      {"--pipe-schedule", &gen.pipeSchedule, "Write the pipe schedule drawing to FILE (DXF)"},
      {"--excel", &gen.excel, "Write the structure and pipe schedules to FILE (Excel workbook)"}};
  for (const auto& [name, target, help] : outputs)
    app.add_option(name, *target, help)->type_name("FILE")->needs(outfall);

  app.add_option("--checks", gen.checks,
                 "Check the tables against the design criteria and write the "
                 "findings to FILE (CSV); with --excel the workbook gets a "
                 "\"Design Checks\" worksheet too")
      ->type_name("FILE")
      ->needs(outfall);
  app.add_option("--criteria", gen.criteria,
                 "Design criteria (TOML: freeboard, velocity_min, velocity_max, cover_min, "
                 "size_min, off) overriding the defaults of the project's units")
      ->type_name("FILE")
      ->needs(outfall);
  app.add_option("--hgl-sheet", gen.hglSheet,
                 "Write the HGL computation sheet (every structure's grade line term by term) to "
                 "FILE (CSV); with --excel and --pdf it joins the workbook and the PDF set too")
      ->type_name("FILE")
      ->needs(outfall);
  app.add_option("--quantities", gen.quantities,
                 "Write the summary of drainage quantities to FILE (CSV); with --excel and --pdf "
                 "it joins the workbook and the PDF set too")
      ->type_name("FILE")
      ->needs(outfall);
  app.add_option("--warnings", gen.warnings,
                 "Write every warning of Create Profile Data to FILE (CSV: Kind, Branch ID, "
                 "Structure, Pipe, Message); standard error shows ten of each kind")
      ->type_name("FILE")
      ->needs(outfall);
  auto* pdf = app.add_option("--pdf", gen.pdf,
                             "Write every branch profile, then the structure and pipe schedule "
                             "sheets, one a page, to FILE (PDF)")
                  ->type_name("FILE")
                  ->needs(outfall);
  app.add_option("--page-size", gen.pageSize, "Paper of the PDF, landscape (default tabloid)")
      ->type_name("SIZE")
      ->check(CLI::IsMember({"tabloid", "letter", "ansi-d", "a3", "a1"}, CLI::ignore_case))
      ->needs(pdf);
  app.add_flag("--egl", gen.energyGradeLine,
               "Draw the energy grade line (layer EGL) in every profile")
      ->needs(outfall);

  auto* submittal =
      app.add_option("--submittal", gen.submittal,
                     "Write the whole set into DIR with fixed names and a manifest.json: the "
                     "tables, design checks, every branch profile, all profiles, both schedules, "
                     "the workbook and the PDF set; an existing DIR is replaced only when it "
                     "holds a previous set and --force is given")
          ->type_name("DIR")
          ->needs(outfall);
  auto* compareWith = app.add_option("--compare-with", gen.compareWith,
                                     "Compare this run with an earlier set (structures.csv, "
                                     "pipes.csv, design-checks.csv optional) in OLD_DIR; with "
                                     "--submittal the set gets revisions.csv")
                          ->type_name("OLD_DIR")
                          ->needs(outfall);
  app.add_option("--revisions", gen.revisions,
                 "Write the revision log against --compare-with to FILE (CSV)")
      ->type_name("FILE")
      ->needs(compareWith);
  app.add_flag("--mark-revisions", gen.markRevisions,
               "With --compare-with: a revision cloud (layer REVISIONS) round the labels of "
               "every changed structure and pipe in each profile drawing")
      ->needs(compareWith);
  std::string verify;
  app.add_option("--verify", verify,
                 "Check the set in DIR against its manifest (and, with --pipe-db or --inlet-db, "
                 "whether those are the databases it was made from); exit 1 on any difference")
      ->type_name("DIR")
      ->excludes(outfall)
      ->excludes(submittal);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int status = app.exit(e);
    return status == 0 ? kExitOk : kExitUsage;
  }

  try {
    if (!verify.empty())
      return verifySet(verify, options.pipeDb, options.inletDb, std::cout, std::cerr);
    if (options.listOutfalls) {
      const int status = listOutfalls(options, std::cout, std::cerr);
      if (status != kExitOk || gen.outfall.empty()) return status;
    }
    if (!gen.outfall.empty()) {
      gen.pipeDb = options.pipeDb;
      gen.inletDb = options.inletDb;
      gen.force = options.force;
      return generate(gen, std::cout, std::cerr);
    }
    std::cerr << "tarvello-cli: nothing to do; give --list-outfalls or --outfall (see --help)\n";
    return kExitUsage;
  } catch (const std::exception& e) {
    std::cerr << "tarvello-cli: " << e.what() << '\n';
    return kExitError;
  }
}
