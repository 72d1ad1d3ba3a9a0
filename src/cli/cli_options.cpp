#include "cli/cli_options.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <ostream>

#include "cli/exit_status.h"
#include "texts/texts.h"

namespace tarnwick::cli {
namespace {

// CLI11 words its errors in English; the common ones are said again in German.
std::string UsageError(const CLI::ParseError& error) {
  const std::string text = error.what();
  const size_t colon = text.find(": ");
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr && colon != std::string::npos) {
    return texts::CliUnexpectedArgument(text.substr(colon + 2));
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr && colon != std::string::npos) {
    return texts::CliMissingValue(text.substr(0, colon));
  }
  const size_t excludes = text.find(" excludes ");
  if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr && excludes != std::string::npos) {
    return texts::CliExcludes(text.substr(0, excludes), text.substr(excludes + 10));
  }
  return texts::CliBadUsage(text);
}

void LabelInGerman(CLI::App& app) {
  auto formatter = app.get_formatter();
  formatter->label("Usage", "Aufruf");
  formatter->label("OPTIONS", "OPTIONEN");
  formatter->label("TEXT", "TEXT");
  formatter->label("Excludes", "schließt aus");
}

// What --zurueckholen holds when it is given without a number.
constexpr const char* kNoNumber = "\x01";

// A pass's number as --zurueckholen takes it: decimal digits only, that a kept pass may have.
std::optional<uint64_t> PassNumber(const std::string& text) {
  uint64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return number;
}

// The options whose presence is read after parsing: the trash switch, as CLI11 gives an unused
// flag a value as well, and taking back, which may come without a number.
struct CountedOptions {
  const CLI::Option* trash;
  const CLI::Option* takeBack;
};

// The option table; the values land in `options` while the command line is parsed.
CountedOptions AddOptions(CLI::App& app, Options& options, bool& toTrash,
                          std::string& takeBackText) {
  app.option_defaults()->group("Optionen");
  app.add_option("--root", options.root, "Ordner, der durchsucht wird (Standard: Programmordner)")
      ->type_name("ORDNER");
  app.add_option("--settings", options.settings, "Einstellungsdatei mit der Liste")
      ->type_name("DATEI");
  auto* dryRun = app.add_flag("--dry-run", options.dryRun,
                              "nur auflisten, was gelöscht würde; nichts löschen");
  app.add_flag("--verbose", options.verbose, "jede gelöschte Datei und jeden Fehler ausgeben");
  auto* trash = app.add_flag("--papierkorb,!--kein-papierkorb", toTrash,
                               "gefundene Dateien in den Papierkorb verschieben statt löschen "
                               "(--papierkorb=0 oder --kein-papierkorb: löschen; ohne: wie "
                               "eingestellt)");
  auto* onlyThese =
      app.add_option("--nur-diese", options.onlyThese,
                     "nur die Dateien aus DATEI behandeln (ein Pfad je Zeile, wie --dry-run sie "
                     "ausgibt; - liest die Standardeingabe), die die Suche auch selbst findet")
          ->type_name("DATEI");
  app.add_flag("-0,--null", options.nullEnded,
               "Pfade bei --dry-run und --nur-diese mit NUL statt Zeilenumbruch beenden");
  auto* json = app.add_flag("--json", options.json, "den Bericht als ein JSON-Objekt ausgeben");
  auto* takeBack = app.add_option("--zurueckholen", takeBackText,
                                  "die Dateien des letzten Durchgangs in den Papierkorb, der "
                                  "noch welche hat, oder des Durchgangs NR zurückholen")
                      ->expected(0, 1)
                      ->default_str(kNoNumber)
                      ->type_name("[NR]");
  auto* listPasses = app.add_flag("--durchgaenge", options.listPasses,
                                  "die Durchgänge in den Papierkorb auflisten, die sich "
                                  "zurückholen lassen");
  auto* exclude = app.add_option("--ausnehmen", options.exclude,
                                 "ORDNER und alles darin bei diesem Durchgang auslassen, zusätzlich "
                                 "zu den gespeicherten (mehrfach möglich)")
                      ->type_name("ORDNER");
  auto* addExcluded = app.add_option("--ausnahme-hinzufuegen", options.addExcluded,
                                     "ORDNER dauerhaft ausnehmen: kein Durchgang betritt ihn")
                          ->type_name("ORDNER");
  auto* removeExcluded = app.add_option("--ausnahme-entfernen", options.removeExcluded,
                                        "ORDNER nicht mehr ausnehmen")
                             ->type_name("ORDNER");
  auto* listExcluded = app.add_flag("--ausnahmen", options.listExcluded,
                                    "die ausgenommenen Ordner ausgeben");
  auto* list = app.add_flag("--list", options.list, "die gespeicherte Liste ausgeben");
  auto* settingsPath = app.add_flag("--settings-path", options.settingsPath,
                                    "den Pfad der Einstellungsdatei ausgeben, die die Liste hält");
  auto* add = app.add_option("--add", options.add, "NAME zur Liste hinzufügen")->type_name("NAME");
  auto* remove = app.add_option("--remove", options.remove, "jeden Eintrag NAME entfernen")
                     ->type_name("NAME");
  app.set_help_flag("-h,--help", "diese Hilfe ausgeben");
  app.set_version_flag("--version", std::string("tarnwick-cli ") + TARNWICK_VERSION,
                       "die Version ausgeben");
  list->excludes(add, remove, dryRun, settingsPath);
  settingsPath->excludes(add, remove, dryRun);
  add->excludes(remove, dryRun);
  remove->excludes(dryRun);
  trash->excludes(list, settingsPath, add, remove);
  onlyThese->excludes(list, settingsPath, add, remove, takeBack);
  json->excludes(list, settingsPath, add, remove);
  takeBack->excludes(list, settingsPath, add, remove, dryRun, trash);
  listPasses->excludes(list, settingsPath, add, remove, dryRun, trash, onlyThese, takeBack);
  // The commands on the excluded folders stand alone, as those on the names do; only the list
  // of them takes -0 and --json.
  for (CLI::Option* command : {addExcluded, removeExcluded, listExcluded}) {
    command->excludes(list, settingsPath, add, remove, dryRun, trash, onlyThese, takeBack,
                      listPasses, exclude);
  }
  addExcluded->excludes(removeExcluded, listExcluded, json);
  removeExcluded->excludes(listExcluded, json);
  exclude->excludes(list, settingsPath, add, remove, takeBack, listPasses);
  return {trash, takeBack};
}

}  // namespace

std::variant<Options, int> ParseOptions(const std::vector<std::string>& arguments,
                                        std::ostream& out, std::ostream& err) {
  CLI::App app(texts::kCliDescription, "tarnwick-cli");
  Options options;
  bool toTrash = false;
  std::string takeBackText;
  const CountedOptions counted = AddOptions(app, options, toTrash, takeBackText);
  LabelInGerman(app);
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return kExitDone;
  } catch (const CLI::CallForVersion&) {
    out << app.version() << '\n';
    return kExitDone;
  } catch (const CLI::ParseError& error) {
    err << "tarnwick-cli: " << UsageError(error) << '\n' << texts::kCliUsageHint << '\n';
    return kExitUsageOrRoot;
  }
  if (counted.trash->count() > 0) options.toTrash = toTrash;
  options.takeBack = counted.takeBack->count() > 0;
  // "--zurueckholen=" reads as no number at all: a script's empty variable must not take back
  // the newest pass.
  const bool emptyGiven = std::find(arguments.begin(), arguments.end(), "--zurueckholen=") !=
                          arguments.end();
  if (options.takeBack && (emptyGiven || takeBackText != kNoNumber)) {
    options.takeBackPass = PassNumber(takeBackText);
    if (!options.takeBackPass) {
      err << "tarnwick-cli: " << texts::CliBadPassNumber(emptyGiven ? "" : takeBackText) << '\n'
          << texts::kCliUsageHint << '\n';
      return kExitUsageOrRoot;
    }
  }
  return options;
}

}  // namespace tarnwick::cli
