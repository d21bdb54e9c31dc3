#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ZORFuzzInputs.h"
#include "ZORMsgCatalog.h"
#include "ZORMsgCatalogProperties.h"

namespace {

const std::filesystem::path kFuzzDir =
    std::filesystem::path(ZOR_FUZZ_REGRESSIONS_DIR).parent_path();

// A fuzz input's first byte is the parameter count of the substitution.
void ExpectEveryPromiseKept(const std::filesystem::path& directory, std::size_t atLeast) {
  const auto inputs = ZORFuzzInputs::InDirectory(directory);
  ASSERT_GE(inputs.size(), atLeast) << directory;
  for (const auto& [name, bytes] : inputs) {
    EXPECT_EQ(ZORMsgCatalogProperties::Violation(bytes), "") << name;
  }
}

}  // namespace

// Inputs that once broke the catalog reader, or that sit at the edges of its syntax.
TEST(MsgCatalogRegression, KeptInputsKeepEveryPromise) {
  ExpectEveryPromiseKept(kFuzzDir / "regressions" / "MsgCatalog", 3);
  ExpectEveryPromiseKept(kFuzzDir / "corpus" / "MsgCatalog", 5);
}

// Every shipped catalog reads without a bad line and keeps the promises, with every parameter
// count a message may be given.
TEST(MsgCatalogRegression, ShippedCatalogsReadCleanly) {
  const auto catalogs =
      ZORFuzzInputs::InDirectory(std::string(ZOR_SOURCE_DIR) + "/resources", ".msg");
  ASSERT_GE(catalogs.size(), 5u);
  for (const auto& [name, text] : catalogs) {
    std::vector<std::string> problems;
    EXPECT_FALSE(ZORMsgCatalog::Parse(text, &problems).empty()) << name;
    EXPECT_TRUE(problems.empty()) << name << ": " << (problems.empty() ? "" : problems[0]);
    for (char count = 0; count <= 9; ++count) {
      EXPECT_EQ(ZORMsgCatalogProperties::Violation(std::string(1, count) + text), "") << name;
    }
  }
}
