#pragma once
// The inputs kept in a directory (a corpus or the regressions of a fuzz target), by file name,
// read as bytes, in name order so that a failure names the same file every run.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

class ZORFuzzInputs {
 public:
  using Input = std::pair<std::string, std::string>;  // file name, bytes

  // Empty when the directory is missing.
  static std::vector<Input> InDirectory(const std::filesystem::path& directory,
                                        const std::string& extension = "") {
    std::vector<Input> inputs;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(directory, error)) {
      if (!entry.is_regular_file()) continue;
      if (!extension.empty() && entry.path().extension() != extension) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      inputs.emplace_back(entry.path().filename().string(),
                          std::string(std::istreambuf_iterator<char>(in), {}));
    }
    std::sort(inputs.begin(), inputs.end());
    return inputs;
  }
};
