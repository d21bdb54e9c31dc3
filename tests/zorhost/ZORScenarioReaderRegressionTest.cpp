#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "ZORFuzzInputs.h"
#include "ZORScenarioReaderProperties.h"

namespace {

const std::filesystem::path kFuzzDir =
    std::filesystem::path(ZOR_FUZZ_REGRESSIONS_DIR).parent_path();

void ExpectEveryPromiseKept(const std::filesystem::path& directory, const std::string& extension,
                            std::size_t atLeast) {
  const auto inputs = ZORFuzzInputs::InDirectory(directory, extension);
  ASSERT_GE(inputs.size(), atLeast) << directory;
  for (const auto& [name, bytes] : inputs) {
    EXPECT_EQ(ZORScenarioReaderProperties::Violation(bytes), "") << name;
  }
}

}  // namespace

// Inputs that once broke the reader, or that sit at the edges of its syntax.
TEST(ScenarioReaderRegression, KeptInputsKeepEveryPromise) {
  ExpectEveryPromiseKept(kFuzzDir / "regressions" / "ScenarioReader", "", 5);
}

// The shipped scenarios read back the same once written out, and so do the fuzz seeds.
TEST(ScenarioReaderRegression, ScenariosAndSeedsKeepEveryPromise) {
  ExpectEveryPromiseKept(kFuzzDir.parent_path() / "scenarios", ".zsc", 10);
  ExpectEveryPromiseKept(kFuzzDir / "corpus" / "ScenarioReader", "", 5);
}
