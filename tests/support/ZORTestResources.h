#pragma once
// A resource directory of the test's own, with catalogs written by the test; the host's
// resource directory is put back when it goes.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ZORMsgCatalog.h"

class ZORTestResources {
 public:
  ZORTestResources() : previous_(ZORMsgCatalog::GetResourceDirectory()) {
    // Tests run in parallel processes: the directory is the process's and the instance's own.
    static int instances = 0;
    dir_ = std::filesystem::temp_directory_path() /
           ("zor-test-resources-" + std::to_string(getpid()) + "-" + std::to_string(++instances));
    std::filesystem::create_directories(dir_);
    ZORMsgCatalog::SetResourceDirectory(dir_.string());
  }
  ~ZORTestResources() {
    ZORMsgCatalog::SetResourceDirectory(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }
  ZORTestResources(const ZORTestResources&) = delete;
  ZORTestResources& operator=(const ZORTestResources&) = delete;

  void Write(const std::string& catalog, const std::string& text) {
    std::ofstream(dir_ / (catalog + ".msg")) << text;
    ZORMsgCatalog::ClearCache();
  }

 private:
  std::filesystem::path dir_;
  std::string previous_;
};
