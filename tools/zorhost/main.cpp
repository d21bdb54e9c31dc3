// zorhost: loads the plug-in as the CAD host does, then the example commands, and runs a
// session, printing what a user would see.

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ZORBuiltinSession.h"
#include "ZORComponentLoader.h"
#include "ZORMsgCatalog.h"
#include "ZORTrace.h"

namespace {

std::string ProgramDirectory() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (n <= 0) return ".";
  path[n] = '\0';
  const std::string s(path);
  const auto slash = s.rfind('/');
  return slash == std::string::npos ? "." : s.substr(0, slash);
}

void Usage(std::FILE* out) {
  std::fputs(
      "usage: zorhost [options]\n"
      "Runs the built-in session: the example point command, a user error, an edition run\n"
      "over it and cancelled, and the creation given up.\n"
      "  --plugin PATH      the plug-in (default: libZORGuiUtilities.so next to zorhost)\n"
      "  --examples PATH    the example commands (default: libZORExampleCommands.so next to it)\n"
      "  --resources DIR    message catalogs and dialog resources\n"
      "  --trace KEY        switch a trace on (WENFEAT_ACQ, WENOBJAGENT, WENTRANSLATOR,\n"
      "                     WEN_GuiUtiliti)\n"
      "  --help             this text\n",
      out);
}

bool Load(const std::string& path, const char* what) {
  std::string error;
  if (SUCCEEDED(ZORComponentLoader::Load(path, &error))) return true;
  std::fprintf(stderr, "zorhost: cannot load the %s %s: %s\n", what, path.c_str(), error.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = ProgramDirectory();
  std::string plugin = dir + "/libZORGuiUtilities.so";
  std::string examples = dir + "/libZORExampleCommands.so";
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help") {
      Usage(stdout);
      return 0;
    } else if (arg == "--plugin" && hasValue) {
      plugin = argv[++i];
    } else if (arg == "--examples" && hasValue) {
      examples = argv[++i];
    } else if (arg == "--resources" && hasValue) {
      ZORMsgCatalog::SetResourceDirectory(argv[++i]);
    } else if (arg == "--trace" && hasValue) {
      ZORTrace::SetOn(argv[++i], true);
    } else {
      std::fprintf(stderr, "zorhost: unknown or incomplete argument '%s'\n", arg.c_str());
      Usage(stderr);
      return 2;
    }
  }

  // The plug-in first, as the CAD host loads it; then the commands written on it.
  if (!Load(plugin, "plug-in") || !Load(examples, "example commands")) return 2;
  std::printf("zorhost: loaded %s and %s\n", plugin.c_str(), examples.c_str());
  const int status = ZORRunBuiltinSession(stdout);
  ZORComponentLoader::UnloadAll();
  return status;
}
