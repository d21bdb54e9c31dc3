// zorhost: loads the plug-in as the CAD host does and reports what it registered.

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ZORComponentLoader.h"
#include "ZORInterfaceDictionary.h"

namespace {

std::string ProgramDirectory() {
  char path[4096];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (n <= 0) return ".";
  path[n] = '\0';
  std::string s(path);
  const auto slash = s.rfind('/');
  return slash == std::string::npos ? "." : s.substr(0, slash);
}

void Usage() {
  std::puts("usage: zorhost [--plugin PATH]\n"
            "Loads libZORGuiUtilities.so (next to the program unless --plugin says otherwise)\n"
            "and prints what it registered with the host.");
}

}  // namespace

int main(int argc, char** argv) {
  std::string plugin = ProgramDirectory() + "/libZORGuiUtilities.so";
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0) {
      Usage();
      return 0;
    }
    if (std::strcmp(argv[i], "--plugin") == 0 && i + 1 < argc) {
      plugin = argv[++i];
      continue;
    }
    std::fprintf(stderr, "zorhost: unknown argument '%s'\n", argv[i]);
    Usage();
    return 2;
  }

  std::string error;
  if (FAILED(ZORComponentLoader::Load(plugin, &error))) {
    std::fprintf(stderr, "zorhost: cannot load %s: %s\n", plugin.c_str(), error.c_str());
    return 2;
  }
  std::printf("loaded %s\n", plugin.c_str());
  const auto entries = ZORDictionaryEntries();
  std::printf("interface dictionary: %zu entries\n", entries.size());
  for (const ZORDictionaryEntry* e : entries) {
    std::printf("  %s implements %s%s%s\n", e->implementation.c_str(), e->interfaceName.c_str(),
                e->extendedType.empty() ? "" : " for ", e->extendedType.c_str());
  }
  ZORComponentLoader::UnloadAll();
  return 0;
}
