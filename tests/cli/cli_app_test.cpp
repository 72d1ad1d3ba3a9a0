#include "cli/cli_app.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "cli/terminal_progress.h"
#include "cli/terminal_text.h"
#include "core/app_state.h"
#include "core/plans.h"
#include "support/scoped_variable.h"
#include "support/stand_in_scheduler.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace tarnwick::cli {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

class Cli : public ::testing::Test {
 protected:
  Cli() {
    environment_.programDirectory = dir_ / "program/";
    environment_.settingsPath = dir_ / "program/tarnwick.ini";
    fs::create_directories(dir_ / "program");
  }

  int Run(std::vector<std::string> arguments) {
    out_.str("");
    err_.str("");
    return RunCli(arguments, environment_, out_, err_);
  }

  TempDir dir_;
  CliEnvironment environment_;
  std::ostringstream out_;
  std::ostringstream err_;
};

// --add takes several names, each once: one the list has (in any letter case) is said and not
// added again; --remove takes several too, and removes every entry of exactly that text.
TEST_F(Cli, EditsTheStoredListNameByName) {
  EXPECT_EQ(Run({"--add", "Mscreate.dir", "b"}), kExitDone);
  EXPECT_EQ(Run({"--add", "b", "B", "Setup.log"}), kExitDone);
  EXPECT_EQ(out_.str(), "Schon in der Liste, nichts geändert: b\n"
                        "Schon in der Liste, nichts geändert: b\n");
  EXPECT_EQ(Run({"--remove", "b", "absent"}), kExitDone);
  EXPECT_NE(err_.str().find("absent"), std::string::npos);
  EXPECT_EQ(Run({"--list"}), kExitDone);
  EXPECT_EQ(out_.str(), "Mscreate.dir\nSetup.log\n");
  // A key beyond the count stays, as the main window leaves it.
  EXPECT_EQ(ReadFile(environment_.settingsPath),
            "[Kelvane Tarnwick]\nFiles=2\nEintrag0=Mscreate.dir\nEintrag1=Setup.log\n"
            "Eintrag2=Setup.log\n");
  EXPECT_EQ(Run({"--list", "--json"}), kExitDone);
  EXPECT_EQ(nlohmann::json::parse(out_.str())["names"][1]["name"], "Setup.log");

  // A name no file can have is refused, and none of the names of that call is added.
  EXPECT_EQ(Run({"--add", "ok.txt", "sub/x", "two\nlines"}), kExitUsageOrRoot);
  EXPECT_NE(err_.str().find("Kein Dateiname, nicht hinzugefügt: „sub/x“"), std::string::npos);
  EXPECT_EQ(Run({"--list", "-0"}), kExitDone);
  EXPECT_EQ(out_.str(), std::string("Mscreate.dir\0Setup.log\0", 23));
#ifndef _WIN32
  EXPECT_EQ(Run({"--add", "*.tmp"}), kExitDone);  // a name a file may have here, no pattern
  EXPECT_NE(err_.str().find("keine Platzhalter"), std::string::npos);
#endif
}

TEST_F(Cli, ExcludedFoldersAreStoredOnceAsFullPathsAndLeftAloneByEveryPass) {
  const std::string keep = dir_ / "r/keep";
  WriteFile(dir_ / "r/Setup.log", "");
  WriteFile(dir_ / "r/keep/Setup.log", "");
  WriteFile(dir_ / "r/other/Setup.log", "");
  fs::create_directory_symlink(dir_ / "r/other", dir_ / "link");
  Run({"--add", "Setup.log"});
  EXPECT_EQ(Run({"--ausnahme-hinzufuegen", keep}), kExitDone);
  EXPECT_EQ(Run({"--ausnahme-hinzufuegen", keep + "/"}), kExitDone);  // the same folder
  EXPECT_NE(out_.str().find("schon ausgenommen"), std::string::npos);
  EXPECT_EQ(Run({"--ausnahme-hinzufuegen", dir_ / "nowhere"}), kExitUsageOrRoot);
  EXPECT_EQ(Run({"--ausnahmen", "-0"}), kExitDone);
  EXPECT_EQ(out_.str(), keep + '\0');
  EXPECT_EQ(Run({"--ausnahmen", "--json"}), kExitDone);
  EXPECT_EQ(nlohmann::json::parse(out_.str())["excluded_folders"][0]["path"], keep);

  // This pass leaves the folder behind a link alone too, and counts both in its report.
  EXPECT_EQ(Run({"--root", dir_ / "r", "--ausnehmen", dir_ / "link", "--json"}), kExitDone);
  const auto report = nlohmann::json::parse(out_.str());
  EXPECT_EQ(report["dealt_with"], 1);
  EXPECT_EQ(report["excluded_folders"], 2);
  EXPECT_TRUE(fs::exists(dir_ / "r/keep/Setup.log"));
  EXPECT_TRUE(fs::exists(dir_ / "r/other/Setup.log"));
  EXPECT_EQ(Run({"--root", dir_ / "r/keep", "--dry-run"}), kExitUsageOrRoot);
  EXPECT_NE(err_.str().find("nichts durchsucht"), std::string::npos);

  EXPECT_EQ(Run({"--ausnahme-entfernen", keep + "/"}), kExitDone);
  EXPECT_EQ(Run({"--ausnahme-entfernen", keep}), kExitIncomplete);  // no longer stored
  EXPECT_EQ(Run({"--ausnahmen"}), kExitDone);
  EXPECT_EQ(out_.str(), "");
  EXPECT_EQ(Run({"--root", dir_ / "r"}), kExitDone);
  EXPECT_FALSE(fs::exists(dir_ / "r/keep/Setup.log"));
}

TEST_F(Cli, DeletesUnderTheProgramDirectoryByDefault) {
  WriteFile(dir_ / "program/sub/MSCREATE.DIR", "");
  WriteFile(dir_ / "elsewhere/Mscreate.dir", "");
  Run({"--add", "Mscreate.dir"});
  EXPECT_EQ(Run({"--verbose"}), kExitDone);
  EXPECT_EQ(out_.str(), "gelöscht: " + (dir_ / "program/sub/MSCREATE.DIR") +
                            "\nEs wurden '1' Dateien gefunden und gelöscht.   \n");
  EXPECT_TRUE(fs::exists(dir_ / "elsewhere/Mscreate.dir"));
}

TEST_F(Cli, TheTrashAsSetOrAsAskedForOneRun) {
  const tarnwick::testing::ScopedVariable dataHome("XDG_DATA_HOME", dir_ / "data");
  Run({"--add", "Setup.log"});
  WriteFile(environment_.settingsPath,
            ReadFile(environment_.settingsPath) + "Papierkorb=1\n");  // as the window saves it
  const struct {
    std::vector<std::string> asked;
    bool toTrash;
  } cases[] = {{{}, true}, {{"--papierkorb=0"}, false}, {{"--kein-papierkorb"}, false},
               {{"--papierkorb"}, true}};
  for (const auto& c : cases) {
    WriteFile(dir_ / "tree/Setup.log", "x");
    fs::remove_all(dir_ / "data");
    std::vector<std::string> arguments = {"--root", dir_ / "tree"};
    arguments.insert(arguments.end(), c.asked.begin(), c.asked.end());
    EXPECT_EQ(Run(arguments), kExitDone);
    EXPECT_FALSE(fs::exists(dir_ / "tree/Setup.log"));
    EXPECT_EQ(fs::exists(dir_ / "data/Trash/files/Setup.log"), c.toTrash);
    EXPECT_EQ(out_.str(), std::string("Es wurden '1' Dateien gefunden und ") +
                              (c.toTrash ? "in den Papierkorb verschoben.   \n"
                                           "Zurückholen: tarnwick-cli --undo\n"
                                         : "gelöscht.   \n"));
  }
}

// Every pass to the trash is kept: listed, taken back by its number or newest first; a record
// that cannot be trusted moves nothing, is named, and stays as it is.
TEST_F(Cli, KeptPassesAreListedAndTakenBackByNumberOrNewestFirst) {
  const tarnwick::testing::ScopedVariable dataHome("XDG_DATA_HOME", dir_ / "data");
  Run({"--add", "Setup.log"});
  for (const char* tree : {"one", "two", "three"}) {
    WriteFile(dir_ / (std::string(tree) + "/Setup.log"), tree);
    EXPECT_EQ(Run({"--root", dir_ / tree, "--papierkorb"}), kExitDone);
  }
  EXPECT_EQ(Run({"--durchgaenge", "--json"}), kExitDone);
  const auto passes = nlohmann::json::parse(out_.str())["passes"];
  ASSERT_EQ(passes.size(), 3u);
  EXPECT_EQ(passes[0]["number"], 3);
  EXPECT_EQ(passes[0]["root"], dir_ / "three");
  EXPECT_EQ(passes[0]["to_take_back"], 1);
  EXPECT_EQ(Run({"--durchgaenge"}), kExitDone);
  EXPECT_NE(out_.str().find("Durchgang 1 vom "), std::string::npos) << out_.str();

  EXPECT_EQ(Run({"--zurueckholen", "1"}), kExitDone);
  EXPECT_EQ(out_.str(), "Es wurden '1' Dateien zurückgeholt.\n");
  EXPECT_TRUE(fs::exists(dir_ / "one/Setup.log"));
  EXPECT_EQ(Run({"--zurueckholen", "1"}), kExitUsageOrRoot);  // taken back: kept no longer

  const std::string three = passes[0]["record"];
  const std::string damaged = ReadFile(three).substr(0, ReadFile(three).find('\n') + 1) + "x\n";
  WriteFile(three, damaged);
  EXPECT_EQ(Run({"--zurueckholen"}), kExitUsageOrRoot);
  EXPECT_EQ(err_.str(), "Die Liste des Durchgangs 3 ist ab Zeile 2 beschädigt: " + three +
                            "\nNichts wurde zurückgeholt; die Liste bleibt, wie sie ist.\n");
  EXPECT_EQ(ReadFile(three), damaged);
  EXPECT_EQ(Run({"--zurueckholen", "2"}), kExitDone);
  EXPECT_TRUE(fs::exists(dir_ / "two/Setup.log"));

  // File by file: only the chosen file of a pass comes back; one that is none of its files is
  // named.
  WriteFile(dir_ / "one/a/Setup.log", "a");
  WriteFile(dir_ / "one/b/Setup.log", "b");
  ASSERT_EQ(Run({"--trash", dir_ / "one"}), kExitDone);
  std::istringstream chosen((dir_ / "one/b/Setup.log") + "\n" + (dir_ / "elsewhere") + "\n");
  environment_.standardInput = &chosen;
  EXPECT_EQ(Run({"--undo", "4", "--only", "-"}), kExitIncomplete);
  EXPECT_TRUE(fs::exists(dir_ / "one/b/Setup.log"));
  EXPECT_FALSE(fs::exists(dir_ / "one/a/Setup.log"));
  EXPECT_NE(err_.str().find("gehören nicht zu diesem Durchgang"), std::string::npos);
  EXPECT_EQ(Run({"--undo", "4"}), kExitDone);
  EXPECT_TRUE(fs::exists(dir_ / "one/a/Setup.log"));
}

// A plan as a person sets it up: given to the scheduler with the command that runs it; its run
// moves to the trash, is kept as planned, told on the desktop and taken back by its number; a
// folder replaced meanwhile is left alone.
TEST_F(Cli, APlanRunsOnItsOwnAndItsPassComesBackByNumber) {
  const tarnwick::testing::ScopedVariable dataHome("XDG_DATA_HOME", dir_ / "data");
  tarnwick::testing::StandInScheduler scheduler;
  tarnwick::testing::StandInNotifier notifier;
  Run({"--add", "Setup.log"});
  WriteFile(dir_ / "downloads/a/Setup.log", "a");
  ASSERT_EQ(Run({"--plan-add", dir_ / "downloads", "--daily", "03:00"}), kExitDone);
  ASSERT_EQ(scheduler.runs.size(), 1u);
  const platform::ScheduledRun run = scheduler.runs.begin()->second;
  EXPECT_EQ(run.time, *core::DailyAt("03:00"));
  EXPECT_EQ(std::vector<std::string>(run.command.begin() + 1, run.command.end()),
            (std::vector<std::string>{"--run-plan", "1", "--settings",
                                      environment_.settingsPath}));
  EXPECT_EQ(Run({"--plan-add", dir_ / "downloads", "--daily", "03:00"}), kExitDone);
  EXPECT_NE(out_.str().find("nichts geändert"), std::string::npos) << out_.str();

  EXPECT_EQ(Run({"--run-plan", "1"}), kExitDone);
  EXPECT_FALSE(fs::exists(dir_ / "downloads/a/Setup.log"));
  ASSERT_EQ(notifier.bodies.size(), 1u);
  EXPECT_NE(notifier.bodies[0].find("(Durchgang 1;"), std::string::npos) << notifier.bodies[0];
  Run({"--passes"});
  EXPECT_NE(out_.str().find("(geplant, Plan 1)"), std::string::npos) << out_.str();
  Run({"--plans", "--json"});
  const auto plan = nlohmann::json::parse(out_.str())["plans"][0];
  EXPECT_EQ(plan["last_run"]["outcome"], "moved");
  EXPECT_EQ(plan["last_run"]["pass"], 1);
  EXPECT_EQ(Run({"--undo", "1"}), kExitDone);
  EXPECT_TRUE(fs::exists(dir_ / "downloads/a/Setup.log"));

  fs::rename(dir_ / "downloads", dir_ / "old");
  WriteFile(dir_ / "downloads/Setup.log", "another folder's");
  EXPECT_EQ(Run({"--run-plan", "1"}), kExitUsageOrRoot);
  EXPECT_NE(err_.str().find("anderer Ordner"), std::string::npos) << err_.str();
  EXPECT_TRUE(fs::exists(dir_ / "downloads/Setup.log"));
  EXPECT_EQ(notifier.bodies.size(), 2u);

  scheduler.answer = make_error_code(platform::ScheduleError::kNoUserManager);
  EXPECT_EQ(Run({"--plan-add", dir_ / "old", "--weekly", "sa", "10:00", "--limit", "9"}),
            kExitDone);
  EXPECT_NE(err_.str().find("--crontab):\n0 10 * * 6 "), std::string::npos) << err_.str();
  EXPECT_FALSE(scheduler.runs.rbegin()->second.cronWithoutUserManager);
  EXPECT_EQ(Run({"--plan-add", dir_ / "old", "--daily", "10:00", "--crontab"}), kExitDone);
  EXPECT_EQ(scheduler.runs.size(), 3u);
  EXPECT_TRUE(scheduler.runs.rbegin()->second.cronWithoutUserManager);
  EXPECT_EQ(Run({"--plan-remove", "1"}), kExitDone);
  EXPECT_EQ(scheduler.runs.size(), 2u);
  EXPECT_EQ(Run({"--plan-remove", "1"}), kExitUsageOrRoot);
  EXPECT_EQ(Run({"--plan-remove", "all"}), kExitDone);  // as the Windows uninstaller does
  EXPECT_TRUE(scheduler.runs.empty());
  for (const std::vector<std::string>& wrong :
       {std::vector<std::string>{"--plan-add", dir_ / "old"},
        {"--plan-add", dir_ / "old", "--daily", "03:00", "--at-login"},
        {"--plan-add", dir_ / "gone", "--at-login"},
        {"--run-plan", "x"},
        {"--plans", "--daily", "03:00"}}) {
    EXPECT_EQ(Run(wrong), kExitUsageOrRoot) << wrong.back();
  }
}

// Taking back asks for no number or a pass's number: whatever else a script hands over (an
// unset variable, a typo) takes nothing back and is said in German.
TEST_F(Cli, TakingBackRefusesWhatIsNoPassNumber) {
  const tarnwick::testing::ScopedVariable dataHome("XDG_DATA_HOME", dir_ / "data");
  Run({"--add", "Setup.log"});
  WriteFile(dir_ / "tree/Setup.log", "x");
  ASSERT_EQ(Run({"--root", dir_ / "tree", "--papierkorb"}), kExitDone);
  const std::vector<std::vector<std::string>> refused = {
      {"--zurueckholen", ""}, {"--zurueckholen="},   {"--zurueckholen", "1abc"},
      {"--zurueckholen", "+1"}, {"--zurueckholen=-1"}, {"--zurueckholen", "18446744073709551616"}};
  for (const auto& arguments : refused) {
    SCOPED_TRACE(arguments.back());
    EXPECT_EQ(Run(arguments), kExitUsageOrRoot);
    EXPECT_TRUE(err_.str().starts_with("tarnwick-cli: --undo nimmt keine Nummer"))
        << err_.str();
    EXPECT_FALSE(fs::exists(dir_ / "tree/Setup.log"));
  }
}

// A pass to the trash whose record could not be kept where no one else can change it moves
// nothing: it could not be taken back.
TEST_F(Cli, APassToTheTrashMovesNothingWhenItsRecordsFolderIsNotPrivate) {
  const tarnwick::testing::ScopedVariable dataHome("XDG_DATA_HOME", dir_ / "data");
  Run({"--add", "Setup.log"});
  WriteFile(dir_ / "tree/Setup.log", "x");
  const std::string history = environment_.settingsPath + ".durchgaenge";
  fs::create_directory(history);
  fs::permissions(history, fs::perms::all);
  EXPECT_EQ(Run({"--root", dir_ / "tree", "--papierkorb"}), kExitUsageOrRoot);
  EXPECT_EQ(err_.str(),
            "Es wurde nichts in den Papierkorb verschoben: Der Durchgang ließe sich nicht "
            "zurückholen.\nDer Ordner der Durchgänge wird nicht verwendet: " + history +
                " (für andere Benutzer beschreibbar). Er bleibt, wie er ist.\n");
  EXPECT_TRUE(fs::exists(dir_ / "tree/Setup.log"));
  EXPECT_EQ(fs::status(history).permissions(), fs::perms::all);
  EXPECT_EQ(Run({"--durchgaenge"}), kExitUsageOrRoot);
}

TEST_F(Cli, NeverDeletesTheSettingsFileOrTheProgramsThemselves) {
  WriteFile(dir_ / "program/tarnwick-cli", "");
  WriteFile(dir_ / "program/sub/tarnwick.ini", "");  // only a file of the same name
  for (const char* name : {"tarnwick.ini", "TARNWICK-CLI"}) Run({"--add", name});
  EXPECT_EQ(Run({"--verbose"}), kExitIncomplete);
  EXPECT_TRUE(fs::exists(dir_ / "program/tarnwick.ini"));
  EXPECT_TRUE(fs::exists(dir_ / "program/tarnwick-cli"));
  EXPECT_FALSE(fs::exists(dir_ / "program/sub/tarnwick.ini"));
  EXPECT_NE(err_.str().find("nicht gelöscht: " + (dir_ / "program/tarnwick.ini") +
                            ": eine Datei des Programms selbst"),
            std::string::npos)
      << err_.str();
}

TEST_F(Cli, DryRunListsAndDeletesNothing) {
  WriteFile(dir_ / "tree/a/Setup.log", "");
  WriteFile(dir_ / "tree/Setup.log", "");
  Run({"--settings", dir_ / "own.ini", "--add", "setup.log"});
  EXPECT_EQ(Run({"--settings", dir_ / "own.ini", "--root", dir_ / "tree", "--dry-run"}), kExitDone);
  // The paths alone on standard output, for a script or an editor; the count beside them.
  EXPECT_EQ(out_.str(), (dir_ / "tree/a/Setup.log") + "\n" + (dir_ / "tree/Setup.log") + "\n");
  EXPECT_EQ(err_.str(), "'2' Dateien würden gelöscht (Probelauf, nichts gelöscht).\n");
  EXPECT_EQ(Run({"--settings", dir_ / "own.ini", "--root", dir_ / "tree", "--dry-run",
                 "--papierkorb"}),
            kExitDone);
  EXPECT_EQ(err_.str(),
            "'2' Dateien würden in den Papierkorb verschoben (Probelauf, nichts verschoben).\n");
  EXPECT_TRUE(fs::exists(dir_ / "tree/a/Setup.log"));
  EXPECT_TRUE(fs::exists(dir_ / "tree/Setup.log"));
  EXPECT_FALSE(fs::exists(environment_.settingsPath));
}

// On a terminal, a pass that deletes for good finds first and then asks; only j, J, y or Y
// delete. --yes answers for the user, a pass to the trash and a script are never asked.
TEST_F(Cli, APermanentPassOnATerminalAsksFirst) {
  const tarnwick::testing::ScopedVariable dataHome("XDG_DATA_HOME", dir_ / "data");
  Run({"--add", "Setup.log"});
  environment_.inputIsTerminal = environment_.errorIsTerminal = true;
  const struct {
    std::vector<std::string> options;
    std::string answer;
    bool asked, deleted;
  } cases[] = {
      {{}, "n\n", true, false}, {{}, "\n", true, false}, {{}, "", true, false},
      {{}, "ja\n", true, false}, {{}, "j\n", true, true}, {{}, "Y\n", true, true},
      {{"--yes"}, "", false, true}, {{"--trash"}, "", false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.answer);
    WriteFile(dir_ / "tree/Setup.log", "x");
    std::istringstream answer(c.answer);
    environment_.standardInput = &answer;
    std::vector<std::string> arguments = c.options;
    arguments.push_back(dir_ / "tree");
    EXPECT_EQ(Run(arguments), kExitDone);
    EXPECT_EQ(err_.str().find("'1' Dateien endgültig löschen? [j/N] ") != std::string::npos,
              c.asked);
    EXPECT_EQ(fs::exists(dir_ / "tree/Setup.log"), !c.deleted);
    if (!c.deleted) {
      EXPECT_EQ(out_.str(), "Es wurde nichts gelöscht.\n");
    }
  }
  // Without a folder the program's own is searched, and a terminal user is told so first.
  environment_.standardInput = nullptr;
  EXPECT_EQ(Run({"--dry-run"}), kExitDone);
  EXPECT_TRUE(err_.str().starts_with("Kein Ordner angegeben: durchsucht wird der Ordner des "
                                     "Programms, " + environment_.programDirectory + "\n"));
}

// --json gives one JSON object on standard output whatever else is asked; verbose lines go to
// standard error.
TEST_F(Cli, JsonIsAlwaysOneObject) {
  const tarnwick::testing::ScopedVariable dataHome("XDG_DATA_HOME", dir_ / "data");
  Run({"--add", "Setup.log"});
  Run({"--exclude-add", dir_ / "program"});
  const std::string tree = dir_ / "tree";
  const std::vector<std::vector<std::string>> runs = {
      {"--json", "--dry-run", "--verbose", tree},
      {"--json", "--verbose", "--trash", tree},
      {"--json", "--passes"},
      {"--json", "--undo"},
      {"--json", "--undo"},  // nothing left to take back
      {"--json", "--verbose", "--no-paths", tree},
      {"--json", "--list"},
      {"--json", "--excluded"},
      {"--json", dir_ / "missing"},
  };
  for (const auto& arguments : runs) {
    SCOPED_TRACE(arguments[1]);
    WriteFile(dir_ / "tree/a/Setup.log", "x");
    Run(arguments);
    const auto object = nlohmann::json::parse(out_.str());  // throws when it is no JSON
    EXPECT_TRUE(object.is_object());
  }
  WriteFile(dir_ / "tree/a/Setup.log", "x");
  Run({"--json", "--verbose", tree});
  const auto report = nlohmann::json::parse(out_.str());
  EXPECT_EQ(report["paths"], nlohmann::json::array({dir_ / "tree/a/Setup.log"}));
  EXPECT_NE(err_.str().find("gelöscht: " + (dir_ / "tree/a/Setup.log")), std::string::npos);
}

// --only deals only with what is both chosen and found by the pass itself; whatever else
// the choice names is left alone and named. A path is the same file however it is written.
TEST_F(Cli, OnlyTheChosenFilesThatThePassFindsAreDealtWith) {
  WriteFile(dir_ / "tree/a/Setup.log", "");
  WriteFile(dir_ / "tree/b/Setup.log", "");
  WriteFile(dir_ / "tree/notes.txt", "");
  WriteFile(dir_ / "outside/Setup.log", "");
  fs::create_directory_symlink(dir_ / "outside", dir_ / "tree/link");
  Run({"--add", "Setup.log"});
  const struct {
    std::string path;
    bool thereAfter;
  } chosen[] = {
      {dir_ / "tree/a/Setup.log", false},     // chosen and found: the only one dealt with
      {dir_ / "tree/notes.txt", true},        // not a match
      {dir_ / "outside/Setup.log", true},     // outside the root
      {dir_ / "tree/gone/Setup.log", false},  // not there at all
      {dir_ / "tree/link/Setup.log", true},   // through a link, which the walk never follows
  };
  for (const bool nullEnded : {false, true}) {
    WriteFile(dir_ / "tree/a/Setup.log", "");
    std::string file;
    for (const auto& c : chosen) file += c.path + (nullEnded ? '\0' : '\n');
    std::istringstream input(file);
    environment_.standardInput = &input;
    std::vector<std::string> arguments = {"--root", dir_ / "tree", "--nur-diese", "-"};
    if (nullEnded) arguments.push_back("-0");
    EXPECT_EQ(Run(arguments), kExitIncomplete);
    for (const auto& c : chosen) EXPECT_EQ(fs::exists(c.path), c.thereAfter) << c.path;
    EXPECT_TRUE(fs::exists(dir_ / "tree/b/Setup.log"));  // found, but not chosen
    EXPECT_EQ(out_.str(), "Es wurden '1' Dateien gefunden und gelöscht.   \n");
    // The link names the file outside: the same file, named once.
    EXPECT_EQ(err_.str(),
              "'3' Pfade der Auswahl wurden bei der Suche nicht gefunden; sie bleiben unberührt.\n"
              "nicht gefunden, unberührt: " + chosen[1].path + "\n"
              "nicht gefunden, unberührt: " + chosen[2].path + "\n"
              "nicht gefunden, unberührt: " + chosen[3].path + "\n");
  }
  EXPECT_EQ(Run({"--nur-diese", dir_ / "missing"}), kExitUsageOrRoot);

  // A list made from the tree's own folder, used with the tree's absolute path.
  WriteFile(dir_ / "tree/a/Setup.log", "");
  const fs::path before = fs::current_path();
  fs::current_path(dir_ / "tree");
  std::istringstream relative("a/Setup.log\n./b/../b/Setup.log\n");
  environment_.standardInput = &relative;
  const int status = Run({"--only", "-", dir_ / "tree"});
  fs::current_path(before);
  EXPECT_EQ(status, kExitDone);
  EXPECT_FALSE(fs::exists(dir_ / "tree/a/Setup.log"));
  EXPECT_FALSE(fs::exists(dir_ / "tree/b/Setup.log"));
}

TEST_F(Cli, DryRunWithNulAndTheReportAsJson) {
  WriteFile(dir_ / "tree/a\nb/Setup.log", "");
  Run({"--add", "Setup.log"});
  EXPECT_EQ(Run({"--root", dir_ / "tree", "--dry-run", "-0"}), kExitDone);
  EXPECT_EQ(out_.str(), (dir_ / "tree/a\nb/Setup.log") + std::string(1, '\0'));
  WriteFile(dir_ / "tree/tarnwick.ini", "");  // the settings file in use is never deleted
  Run({"--settings", dir_ / "tree/tarnwick.ini", "--add", "tarnwick.ini"});
  Run({"--settings", dir_ / "tree/tarnwick.ini", "--add", "Setup.log"});
  EXPECT_EQ(Run({"--settings", dir_ / "tree/tarnwick.ini", "--root", dir_ / "tree", "--json"}),
            kExitIncomplete);
  const auto report = nlohmann::json::parse(out_.str());
  EXPECT_EQ(report["dealt_with"], 1);
  EXPECT_EQ(report["failed"], 1);
  EXPECT_EQ(report["to_trash"], false);
  ASSERT_EQ(report["named"].size(), 1u);
  EXPECT_EQ(report["named"][0]["path"], dir_ / "tree/tarnwick.ini");
  EXPECT_EQ(report["named"][0]["kind"], "file_not_dealt_with");
  EXPECT_EQ(report["named"][0]["code"], "program_file");
  EXPECT_EQ(report["named"][0]["reason"], "eine Datei des Programms selbst");
}

std::string FromBase64(std::string_view text) {
  const std::string digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string bytes;
  uint32_t bits = 0;
  int count = 0;
  for (const char c : text) {
    if (c == '=') break;
    bits = bits << 6 | static_cast<uint32_t>(digits.find(c));
    if ((count += 6) >= 8) bytes += static_cast<char>(bits >> (count -= 8));
  }
  return bytes;
}

// Every path of --dry-run --json names its file exactly: as text where it is UTF-8, else by
// its bytes beside the text.
TEST_F(Cli, JsonPathsNameTheirFilesExactly) {
  const struct {
    std::string folder;
    bool asBytes;
  } cases[] = {
      {"plain", false},          {"\xff\xfe", true},    {"caf\xc3\xa9", false},
      {"half\xc3", true},        {"tab\tand\x01", false}, {"quote\"back\\", false},
      {"\xed\xa0\x80", true},  // a lone surrogate as Linux may store it
  };
  Run({"--add", "Setup.log"});
  for (const auto& c : cases) WriteFile(dir_ / ("tree/" + c.folder + "/Setup.log"), "");
  EXPECT_EQ(Run({"--root", dir_ / "tree", "--dry-run", "--json"}), kExitDone);
  const auto report = nlohmann::json::parse(out_.str());
  ASSERT_EQ(report["paths"].size(), std::size(cases));
  std::map<std::string, bool> named;  // each path, and whether it came as bytes
  for (size_t i = 0; i < report["paths"].size(); ++i) {
    const auto& bytes = report["paths_bytes"][i];
    named[bytes.is_null() ? report["paths"][i].get<std::string>()
                          : FromBase64(bytes.get<std::string>())] = !bytes.is_null();
  }
  for (const auto& c : cases) {
    const auto found = named.find(dir_ / ("tree/" + c.folder + "/Setup.log"));
    ASSERT_NE(found, named.end()) << c.folder;
    EXPECT_EQ(found->second, c.asBytes) << c.folder;
  }
}

// Every mistake of a command line is said in German, naming the option, ends with status 2,
// and touches nothing.
TEST_F(Cli, UsageErrorsAndUnreadableRootsExitWithTwo) {
  Run({"--add", "x"});
  WriteFile(dir_ / "tree/x", "");
  WriteFile(dir_ / "tree/keep/x", "");
  const std::string tree = dir_ / "tree";
  const struct {
    std::vector<std::string> arguments;
    std::string said;
  } usageErrors[] = {
      {{"--bogus"}, "unbekannte Option: --bogus."},
      {{"--roo", tree}, "unbekannte Option: --roo. Meinten Sie --root?"},
      {{"--dryrun", tree}, "unbekannte Option: --dryrun. Meinten Sie --dry-run?"},
      {{"--papierkorp", tree}, "unbekannte Option: --papierkorp. Meinten Sie --papierkorb?"},
      {{tree, "other"}, "unerwartetes Argument: „other“."},
      {{"--root", tree, tree}, "Der Ordner steht zweimal da: als Argument und mit --root."},
      {{"--root", tree, "--root", tree}, "--root darf nur einmal dastehen."},
      {{"--list", "--add", "x"}, "--list und --add passen nicht zusammen."},
      {{"--list", "--dry-run"}, "--list und --dry-run passen nicht zusammen."},
      {{"--undo", "--trash"}, "--undo und --trash passen nicht zusammen."},
      {{"--trash", "--no-trash", tree}, "--trash und --no-trash passen nicht zusammen."},
      {{"--add"}, "--add braucht einen Wert."},
      {{tree, "--root"}, "--root braucht einen Wert."},
      {{"--trash=vielleicht", tree}, "--trash: „vielleicht“ ist kein gültiger Wert."},
      {{"--undo", "x"}, "--undo nimmt keine Nummer oder die Nummer eines Durchgangs (1, 2, …; "
                        "--passes listet sie), nicht „x“."},
      {{"--exclude", tree + "/kep", tree},
       "Der Ordner kann nicht ausgenommen werden: " + tree + "/kep (nicht vorhanden)"},
  };
  for (const auto& c : usageErrors) {
    SCOPED_TRACE(c.said);
    EXPECT_EQ(Run(c.arguments), kExitUsageOrRoot);
    EXPECT_TRUE(err_.str().starts_with("tarnwick-cli: " + c.said + "\n")) << err_.str();
    EXPECT_EQ(out_.str(), "");
    EXPECT_TRUE(fs::exists(dir_ / "tree/x"));
    EXPECT_TRUE(fs::exists(dir_ / "tree/keep/x"));
  }
  EXPECT_EQ(Run({"--root", dir_ / "missing"}), kExitUsageOrRoot);
  EXPECT_NE(err_.str().find("missing"), std::string::npos);
  WriteFile(dir_ / "program/x", "");  // where an empty root would search
  EXPECT_EQ(Run({"--root", ""}), kExitUsageOrRoot);
  EXPECT_TRUE(std::filesystem::exists(dir_ / "program/x"));
  environment_.installedCopy = true;  // its folder is the system's: only a named root
  EXPECT_EQ(Run({}), kExitUsageOrRoot);
  EXPECT_TRUE(std::filesystem::exists(dir_ / "program/x"));
  const std::string programDirectory = environment_.programDirectory;
  environment_.programDirectory.clear();  // a folder that could not be determined
  environment_.installedCopy = core::IsInstalledCopy(environment_.programDirectory);
  EXPECT_EQ(Run({}), kExitUsageOrRoot);
  EXPECT_NE(err_.str().find("Der Ordner des Programms ist nicht bekannt"), std::string::npos);
  EXPECT_EQ(Run({"--root", dir_ / "program"}), kExitDone);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "program/x"));
  environment_.programDirectory = programDirectory;
  EXPECT_EQ(Run({"--list"}), kExitDone);
  environment_.installedCopy = false;
  EXPECT_EQ(Run({"--help"}), kExitDone);
  EXPECT_NE(out_.str().find("--dry-run"), std::string::npos);
  EXPECT_EQ(Run({"--version"}), kExitDone);
}

TEST_F(Cli, AnEmptyListSearchesNothing) {
  WriteFile(dir_ / "program/x", "");
  EXPECT_EQ(Run({}), kExitDone);
  EXPECT_EQ(out_.str(), "Die Liste ist leer; es wurde nichts gesucht.\n");
}

TEST_F(Cli, FailedDeletionsExitWithOne) {
  fs::permissions(dir_.path(), fs::perms::all);
  WriteFile(dir_ / "tree/locked/Mscreate.dir", "");
  ASSERT_EQ(::chmod((dir_ / "tree/locked").c_str(), 0555), 0);
  fs::permissions(dir_ / "tree", fs::perms::all);
  Run({"--add", "Mscreate.dir"});
  fs::permissions(environment_.settingsPath, fs::perms::all);
  fs::permissions(dir_ / "program", fs::perms::all);

  const int status = tarnwick::testing::RunUnprivileged([&] {
    const int code = Run({"--root", dir_ / "tree", "--verbose"});
    const bool reported = err_.str().find("nicht gelöscht: ") != std::string::npos &&
                          out_.str().find("konnten aber nicht gelöscht werden") != std::string::npos;
    return code == kExitIncomplete && reported ? 0 : 1;
  });
  EXPECT_EQ(status, 0);
}

TEST_F(Cli, ShowsProgressOnATerminalAndClearsItBeforeTheReport) {
  WriteFile(dir_ / "program/sub/Mscreate.dir", "");
  Run({"--add", "Mscreate.dir"});
  environment_.progressColumns = 60;
  EXPECT_EQ(Run({}), kExitDone);
  const std::string progress = err_.str();
  EXPECT_EQ(progress.rfind("\rDurchsuche: ", 0), 0u) << progress;
  EXPECT_NE(progress.find("   Ordner: 1   Dateien: "), std::string::npos);
  EXPECT_NE(progress.find("\rGelöscht: 0 (0 %)\x1b[K"), std::string::npos);
  EXPECT_TRUE(progress.ends_with("\r\x1b[K"));
  EXPECT_EQ(out_.str(), "Es wurden '1' Dateien gefunden und gelöscht.   \n");
}

TEST_F(Cli, AStoppedPassSaysSoAndExitsWith130) {
  struct Case {
    std::vector<std::string> arguments;
    const char* report;
  };
  const Case cases[] = {
      {{}, "Der Vorgang wurde abgebrochen.\nEs wurden '0' Dateien gefunden und gelöscht.   \n"},
      {{"--dry-run"}, ""},  // its standard output holds only paths
  };
  WriteFile(dir_ / "program/sub/Mscreate.dir", "");
  Run({"--add", "Mscreate.dir"});
  environment_.stopRequested = [] { return true; };  // Ctrl-C before the first folder
  for (const Case& c : cases) {
    EXPECT_EQ(Run(c.arguments), kExitStopped);
    EXPECT_EQ(out_.str(), c.report);
    EXPECT_TRUE(fs::exists(dir_ / "program/sub/Mscreate.dir"));
  }
}

TEST(KeepEndWithin, CutsWholeCharactersFromTheFront) {
  const std::tuple<const char*, size_t, const char*> cases[] = {
      {"/a/b/", 5, "/a/b/"},
      {"/a/b/c/", 5, "…b/c/"},
      {"/ä/ö/ü/", 4, "…/ü/"},
      {"/a/", 1, "…"},
      {"/a/", 0, ""},
  };
  for (const auto& [text, columns, expected] : cases) {
    EXPECT_EQ(KeepEndWithin(text, columns), expected) << text << " in " << columns;
  }
}

TEST(TerminalProgress, ALongFolderKeepsTheLineWithinTheTerminal) {
  std::ostringstream terminal;
  TerminalProgress progress(terminal, 50, false);
  progress.ShowWalk("/home/" + std::string(200, 'x') + "/last/", 12, 345);
  const std::string line = terminal.str();
  EXPECT_EQ(line.rfind("\rDurchsuche: …", 0), 0u) << line;
  EXPECT_TRUE(line.ends_with("x/last/   Ordner: 12   Dateien: 345\x1b[K")) << line;
  const std::string shown = line.substr(1, line.size() - 1 - 3);  // without \r and erase
  EXPECT_EQ(shown.size() - 2, 49u);  // the ellipsis takes three bytes and one column

  terminal.str("");
  progress.ShowDeletions(120, 150, 200);  // the first deletions show at once
  EXPECT_EQ(terminal.str(), "\rGelöscht: 120 (75 %)\x1b[K");
}

TEST(EscapeControlCharacters, KeepsATerminalSafe) {
  EXPECT_EQ(EscapeControlCharacters("a\nb\x1b[2J\x7f" "c"), "a\\x0Ab\\x1B[2J\\x7Fc");
  EXPECT_EQ(EscapeControlCharacters("\xC3\xA4 ok"), "\xC3\xA4 ok");
}

}  // namespace
}  // namespace tarnwick::cli
