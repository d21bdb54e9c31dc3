#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "ZORMsgCatalog.h"
#include "ZORTestResources.h"
#include "ZORVar.h"

namespace {

TEST(Catalog, ParsesKeysEscapesCommentsAndReportsBadLines) {
  std::vector<std::string> problems;
  auto entries = ZORMsgCatalog::Parse(
      "# a comment\n"
      "\n"
      "Title = Point Definition \r\n"
      "Multi = first\\nsecond \\\\ {1}\n"
      "no equals sign here\n"
      " = no key\n"
      "Title = Redefined\n"
      "Blank = ends with a blank\\ \t\n"
      "Slash = ends with a backslash\\\\ \n"
      "Empty =",
      &problems);
  EXPECT_EQ(entries.size(), 5u);
  // An escaped blank at the end is kept; an escaped backslash does not escape what follows.
  EXPECT_EQ(entries["Blank"], "ends with a blank ");
  EXPECT_EQ(entries["Slash"], "ends with a backslash\\");
  EXPECT_EQ(entries["Title"], "Redefined");
  EXPECT_EQ(entries["Multi"], "first\nsecond \\ {1}");
  EXPECT_EQ(entries["Empty"], "");
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].rfind("line 5:", 0), 0u);
  EXPECT_EQ(problems[1].rfind("line 6:", 0), 0u);
}

TEST(Catalog, SubstitutesNumberedParameters) {
  const ZORUnicodeString params[] = {"Line.1", "Plane.2"};
  EXPECT_EQ(ZORMsgCatalog::Substitute("{2} cuts {1}", params, 2), "Plane.2 cuts Line.1");
  EXPECT_EQ(ZORMsgCatalog::Substitute("{1}{1}", params, 1), "Line.1Line.1");
  EXPECT_EQ(ZORMsgCatalog::Substitute("{3} {0} {x} {", params, 2), "{3} {0} {x} {");
  EXPECT_EQ(ZORMsgCatalog::Substitute("{1}", nullptr, 0), "{1}");
}

TEST(Catalog, BuildsMessagesFromFilesWithDefaults) {
  ZORTestResources resources;
  resources.Write("ZORGuiInternalError",
                  "ZORGuiInternalError.Title = Internal error\n"
                  "ZORGuiInternalError.TitleInCommand = Error in {1}\n");
  const ZORUnicodeString command[] = {"Point Definition"};
  EXPECT_EQ(ZORMsgCatalog::BuildMessage("ZORGuiInternalError", "ZORGuiInternalError.TitleInCommand",
                                        command, 1),
            "Error in Point Definition");
  EXPECT_EQ(ZORMsgCatalog::BuildMessage("ZORGuiInternalError", "Missing"), "");
  EXPECT_EQ(
      ZORMsgCatalog::BuildMessage("ZORGuiInternalError", "Missing", command, 1, "Default {1}"),
      "Default Point Definition");
  EXPECT_EQ(ZORMsgCatalog::BuildMessage("NoSuchCatalog", "Key", nullptr, 0, "fallback"),
            "fallback");
  EXPECT_TRUE(ZORMsgCatalog::CatalogExists("ZORGuiInternalError"));
  EXPECT_FALSE(ZORMsgCatalog::CatalogExists("NoSuchCatalog"));
  EXPECT_TRUE(ZORMsgCatalog::HasKey("ZORGuiInternalError", "ZORGuiInternalError.Title"));

  // A catalog name never reaches outside the resource directory.
  EXPECT_FALSE(ZORMsgCatalog::CatalogExists("../ZORGuiInternalError"));
  EXPECT_FALSE(ZORMsgCatalog::CatalogExists("/etc/passwd"));

  // Edited files are read again after the cache is cleared.
  resources.Write("ZORGuiInternalError", "ZORGuiInternalError.Title = Changed\n");
  EXPECT_EQ(ZORMsgCatalog::BuildMessage("ZORGuiInternalError", "ZORGuiInternalError.Title"),
            "Changed");
}

class TestDialogBase : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(TestDialogBase, ZORBaseUnknown, ZORMetaObject::Implementation, "Test")
};
class TestDialog : public TestDialogBase {
  ZOR_DECLARE_CLASS(TestDialog, TestDialogBase, ZORMetaObject::Implementation, "Test")
};

TEST(Catalog, ResourceFilesFollowTheClassChainByLevel) {
  const ZORMetaObject* meta = TestDialog::MetaObject();
  EXPECT_EQ(ZORMsgCatalog::ResourceFileOfLevel(meta, 0), "TestDialog");
  EXPECT_EQ(ZORMsgCatalog::ResourceFileOfLevel(meta, 1), "TestDialogBase");
  EXPECT_TRUE(ZORMsgCatalog::ResourceFileOfLevel(meta, 2).IsEmpty());
  EXPECT_TRUE(ZORMsgCatalog::ResourceFileOfLevel(meta, -1).IsEmpty());
  EXPECT_TRUE(ZORMsgCatalog::ResourceFileOfLevel(nullptr, 0).IsEmpty());
}

// Every error key the plug-in and its example commands raise finds its texts in the project's
// catalogs, and every catalog reads without a bad line: a missing text would show the user an
// empty message.
TEST(Catalog, EveryErrorRaisedHasItsTextsInTheProjectCatalogs) {
  namespace fs = std::filesystem;
  const fs::path root(ZOR_SOURCE_DIR);
  ZORMsgCatalog::SetResourceDirectory((root / "resources").string());
  ZORMsgCatalog::ClearCache();
  int catalogs = 0;
  for (const auto& entry : fs::directory_iterator(root / "resources")) {
    if (entry.path().extension() != ".msg") continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    std::vector<std::string> problems;
    EXPECT_FALSE(ZORMsgCatalog::Parse(text.str(), &problems).empty()) << entry.path();
    EXPECT_TRUE(problems.empty()) << entry.path() << ": " << problems.front();
    ++catalogs;
  }
  EXPECT_GT(catalogs, 0);

  const std::regex key("\"(WEN(MODELINPUT|UIINPUT|UIINTERNAL)_ERR_[0-9]+)\"");
  const std::map<std::string, std::string> catalogOf = {{"MODELINPUT", "ZORGmoInputError"},
                                                        {"UIINPUT", "ZORGuiInputError"},
                                                        {"UIINTERNAL", "ZORGuiInternalError"}};
  std::set<std::string> seen;
  for (const char* folder : {"WENUI", "examples"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / folder)) {
      if (entry.path().extension() != ".cpp") continue;
      std::ifstream in(entry.path());
      std::stringstream text;
      text << in.rdbuf();
      const std::string source = text.str();
      for (std::sregex_iterator it(source.begin(), source.end(), key), end; it != end; ++it) {
        const std::string name = (*it)[1];
        if (!seen.insert(name).second) continue;
        const std::string catalog = catalogOf.at((*it)[2]);
        EXPECT_TRUE(ZORMsgCatalog::HasKey(catalog.c_str(), (name + ".Request").c_str())) << name;
        EXPECT_TRUE(ZORMsgCatalog::HasKey(catalog.c_str(), (name + ".Diagnostic").c_str()))
            << name;
      }
    }
  }
  EXPECT_GT(seen.size(), 5u);  // the scan found the keys
}

}  // namespace
