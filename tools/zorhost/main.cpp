// zorhost: loads the plug-in as the CAD host does, then the example commands, and runs scenario
// scripts (or the default scenario), printing what a user would see.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ZORComponentLoader.h"
#include "ZORDefaultScenario.h"
#include "ZORMsgCatalog.h"
#include "ZORScenarioInterpreter.h"
#include "ZORScenarioReport.h"
#include "ZORScenarioRun.h"
#include "ZORScenarioSyntax.h"
#include "ZORTrace.h"

namespace {

struct Options {
  std::string plugin;
  std::string examples;
  std::string svgDirectory = ".";
  bool updateExpected = false;
  std::string report;  // the report's folder; empty: no report
  bool svgDirectoryGiven = false;
  std::vector<std::string> files;
};

std::string ProgramDirectory() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (n <= 0) return ".";
  path[n] = '\0';
  const std::string s(path);
  const auto slash = s.rfind('/');
  return slash == std::string::npos ? "." : s.substr(0, slash);
}

// A library next to the program (the build tree), else in the prefix's lib folder (installed).
std::string Beside(const std::string& dir, const char* library) {
  const std::string next = dir + "/" + library;
  const std::string installed = dir + "/../lib/" + library;
  return !std::filesystem::exists(next) && std::filesystem::exists(installed) ? installed : next;
}

void Usage(std::FILE* out) {
  std::fputs(
      "usage: zorhost [options] [SCENARIO...]\n"
      "Runs each scenario script in order, each in a fresh document, and prints what a user\n"
      "would see. Without a script, runs the default scenario:\n",
      out);
  std::fputs(ZORDefaultScenarioSummary().c_str(), out);
  std::fputs(
      "Exit status: 0 passed, 1 an expectation failed, 2 a script could not run.\n"
      "  --plugin PATH       the plug-in (default: libZORGuiUtilities.so next to zorhost, or in\n"
      "                      ../lib when installed)\n"
      "  --examples PATH     the example commands (default: libZORExampleCommands.so there)\n"
      "  --resources DIR     message catalogs and dialog resources\n"
      "  --trace KEY         switch a trace on (WENFEAT_ACQ, WENOBJAGENT, WENTRANSLATOR,\n"
      "                      WEN_GuiUtiliti); traces go to stderr\n"
      "  --svg-dir DIR       where snapshots are written (default: the current directory)\n"
      "  --update-expected   also write each script's transcript to NAME.expected beside it\n"
      "  --report DIR        also write DIR/index.html: each scenario's status, transcript and\n"
      "                      snapshots in one page (snapshots go to a temporary folder unless\n"
      "                      --svg-dir is given)\n"
      "  --help              this text\n"
      "Statements (docs/scenarios.md tells more):\n",
      out);
  for (const auto& form : ZORScenarioSyntax::Standard().Forms()) {
    std::fprintf(out, "  %-44s %s\n", ZORScenarioSyntax::Usage(form).c_str(), form.summary.c_str());
  }
}

// 0 to go on, 1 after --help, 2 for a bad argument.
int ParseArguments(int argc, char** argv, Options& options) {
  const std::string dir = ProgramDirectory();
  options.plugin = Beside(dir, "libZORGuiUtilities.so");
  options.examples = Beside(dir, "libZORExampleCommands.so");
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help") {
      Usage(stdout);
      return 1;
    } else if (arg == "--plugin" && hasValue) {
      options.plugin = argv[++i];
    } else if (arg == "--examples" && hasValue) {
      options.examples = argv[++i];
    } else if (arg == "--resources" && hasValue) {
      ZORMsgCatalog::SetResourceDirectory(argv[++i]);
    } else if (arg == "--trace" && hasValue) {
      ZORTrace::SetOn(argv[++i], true);
    } else if (arg == "--svg-dir" && hasValue) {
      options.svgDirectory = argv[++i];
      options.svgDirectoryGiven = true;
    } else if (arg == "--report" && hasValue) {
      options.report = argv[++i];
    } else if (arg == "--update-expected") {
      options.updateExpected = true;
    } else if (!arg.starts_with("--")) {
      options.files.push_back(arg);
    } else {
      std::fprintf(stderr, "zorhost: unknown or incomplete argument '%s'\n", arg.c_str());
      Usage(stderr);
      return 2;
    }
  }
  return 0;
}

bool Load(const std::string& path, const char* what) {
  std::string error;
  if (SUCCEEDED(ZORComponentLoader::Load(path, &error))) return true;
  std::fprintf(stderr, "zorhost: cannot load the %s %s: %s\n", what, path.c_str(), error.c_str());
  return false;
}

// Runs one script, prints its transcript, keeps it beside the script when asked and in the
// report when one is made.
int RunAndPrint(const std::string& text, const std::string& name, const Options& options,
                std::vector<ZORScenarioRun>& runs) {
  ZORScenarioRun run = ZORScenarioRun::Run(text, name, options.svgDirectory);
  std::fputs(run.transcript.c_str(), stdout);
  if (options.updateExpected) {
    const auto dot = name.rfind('.');
    const std::string expected =
        (dot == std::string::npos ? name : name.substr(0, dot)) + ".expected";
    std::ofstream(expected) << run.transcript;
    std::fprintf(stderr, "zorhost: wrote %s\n", expected.c_str());
  }
  const int status = run.status;
  runs.push_back(std::move(run));
  return status;
}

int RunFiles(const Options& options, std::vector<ZORScenarioRun>& runs) {
  int worst = 0;
  for (const std::string& file : options.files) {
    std::ifstream in(file);
    int status = 2;
    if (!in) {
      std::printf("%s: cannot read the file\n", file.c_str());
    } else {
      std::ostringstream text;
      text << in.rdbuf();
      status = RunAndPrint(text.str(), file, options, runs);
    }
    worst = std::max(worst, status);
  }
  return worst;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  const int parsed = ParseArguments(argc, argv, options);
  if (parsed) return parsed == 1 ? 0 : 2;
  if (options.updateExpected && options.files.empty()) {
    std::fputs("zorhost: --update-expected needs the scenario files\n", stderr);
    return 2;
  }
  std::string reason;
  if (!options.report.empty() && !ZORScenarioReport::CanWrite(options.report, reason)) {
    std::fprintf(stderr, "zorhost: cannot write the report into %s: %s\n", options.report.c_str(),
                 reason.c_str());
    return 2;
  }
  // A report holds its pictures: the files the snapshots write go to a folder of their own.
  std::string scratch;
  if (!options.report.empty() && !options.svgDirectoryGiven) {
    char pattern[] = "/tmp/zorhost-svg-XXXXXX";
    if (!mkdtemp(pattern)) {
      std::fputs("zorhost: cannot make a temporary folder for the snapshots\n", stderr);
      return 2;
    }
    scratch = options.svgDirectory = pattern;
  }
  // The plug-in first, as the CAD host loads it; then the commands written on it.
  if (!Load(options.plugin, "plug-in") || !Load(options.examples, "example commands")) return 2;
  std::vector<ZORScenarioRun> runs;
  int status = options.files.empty()
                   ? RunAndPrint(ZORDefaultScenario(), "default scenario", options, runs)
                   : RunFiles(options, runs);
  ZORComponentLoader::UnloadAll();
  if (!scratch.empty()) std::filesystem::remove_all(scratch);
  if (!options.report.empty() && !ZORScenarioReport::Write(options.report, runs, reason)) {
    std::fprintf(stderr, "zorhost: cannot write the report into %s: %s\n", options.report.c_str(),
                 reason.c_str());
    status = 2;
  }
  return status;
}
