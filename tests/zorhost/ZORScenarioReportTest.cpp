#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ZORScenarioReport.h"
#include "ZORScenarioRun.h"

namespace {

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// Whether `xml` is well-formed as far as a browser's XML parser cares here: every element
// closed in order, attributes quoted, and every & an entity. Answers the first fault, or "".
std::string WellFormedFault(const std::string& xml) {
  std::vector<std::string> open;
  for (std::size_t i = 0; i < xml.size(); ++i) {
    if (xml[i] == '&') {
      const std::size_t end = xml.find(';', i);
      const std::string entity = xml.substr(i, end == std::string::npos ? 1 : end - i + 1);
      if (entity != "&amp;" && entity != "&lt;" && entity != "&gt;" && entity != "&quot;") {
        return "bad entity at " + std::to_string(i);
      }
      continue;
    }
    if (xml[i] != '<') continue;
    const std::size_t end = xml.find('>', i);
    if (end == std::string::npos) return "unclosed tag at " + std::to_string(i);
    const std::string tag = xml.substr(i + 1, end - i - 1);
    i = end;
    if (tag.starts_with("?") || tag.starts_with("!")) continue;
    if (tag.starts_with("/")) {
      if (open.empty() || open.back() != tag.substr(1)) return "misplaced </" + tag.substr(1) + ">";
      open.pop_back();
      continue;
    }
    if (Count(tag, "\"") % 2) return "unquoted attribute in <" + tag + ">";
    if (!tag.ends_with("/")) open.push_back(tag.substr(0, tag.find_first_of(" \n")));
  }
  return open.empty() ? "" : "unclosed <" + open.back() + ">";
}

// Two scenarios: one that draws a picture and passes, one whose expectation fails.
std::vector<ZORScenarioRun> TwoRuns(const std::string& svgDirectory) {
  return {ZORScenarioRun::Run("point 0 0 0\npoint 5 & 0\n", "broken.zsc", svgDirectory),
          ZORScenarioRun::Run("point 1 2 3\nsnapshot a&b.svg\nexpect document \"Point.1\"\n",
                              "drawn.zsc", svgDirectory),
          ZORScenarioRun::Run("point 1 2 3\nexpect document \"Point.9\"\npoint 4 4 4\n",
                              "failing.zsc", svgDirectory)};
}

class ScenarioReport : public ::testing::Test {
 protected:
  ScenarioReport() {
    char pattern[] = "/tmp/zor-report-test-XXXXXX";
    dir = mkdtemp(pattern);
  }
  ~ScenarioReport() override { std::filesystem::remove_all(dir); }
  std::string dir;
};

}  // namespace

TEST_F(ScenarioReport, OneWellFormedPageWithEachStatusTranscriptAndPictureInPlace) {
  const std::vector<ZORScenarioRun> runs = TwoRuns(dir);
  ASSERT_EQ(runs[0].status, 2);
  ASSERT_EQ(runs[1].status, 0);
  ASSERT_EQ(runs[2].status, 1);
  ASSERT_EQ(runs[1].snapshots.size(), 1u);
  const std::string page = ZORScenarioReport::Page(runs);
  EXPECT_EQ(WellFormedFault(page), "");
  EXPECT_EQ(Count(page, "<section "), 3);
  EXPECT_NE(page.find("3 scenarios: 1 passed, 1 with a failed expectation, 1 could not run."),
            std::string::npos);
  EXPECT_NE(page.find("drawn.zsc <span class=\"passed\">passed</span></h2>"), std::string::npos);
  EXPECT_NE(page.find("failing.zsc <span class=\"failed\">expectation failed</span></h2>"),
            std::string::npos);
  EXPECT_NE(page.find("broken.zsc <span class=\"error\">could not run</span></h2>"),
            std::string::npos);
  // The contents lead to each section, with its status.
  EXPECT_NE(page.find("<ul>\n<li><a href=\"#s1\">broken.zsc</a> <span class=\"error\">could not "
                      "run</span></li>\n<li><a href=\"#s2\">drawn.zsc</a> <span "
                      "class=\"passed\">passed</span></li>\n"),
            std::string::npos);
  EXPECT_NE(page.find("</span></li>\n</ul>\n<section id=\"s1\">"), std::string::npos);
  // The picture stands right after the line that took it, inline, with its name.
  const std::size_t took = page.find("   wrote a&amp;b.svg: ");
  const std::size_t picture = page.find("<svg ");
  ASSERT_NE(took, std::string::npos);
  EXPECT_GT(picture, took);
  EXPECT_LT(picture, page.find("expect document"));
  EXPECT_EQ(Count(page, "<svg "), 1);
  EXPECT_NE(page.find("<figcaption>a&amp;b.svg</figcaption>"), std::string::npos);
  // The failed expectation is marked, and nothing after it ran.
  EXPECT_NE(page.find("<strong class=\"failed\">failing.zsc:2: expectation failed"),
            std::string::npos);
  EXPECT_EQ(page.find("point 4 4 4"), std::string::npos);
  // Self-contained: nothing to fetch, nothing to run.
  EXPECT_EQ(page.find("<script"), std::string::npos);
  EXPECT_EQ(page.find("src="), std::string::npos);
  EXPECT_EQ(page.find("http://www.w3.org/1999/xhtml"), page.find("xmlns=\"") + 7);
}

TEST_F(ScenarioReport, ThePageIsWrittenWholeOrNotAtAll) {
  const std::vector<ZORScenarioRun> runs = TwoRuns(dir);
  std::string reason;
  const std::string report = dir + "/report";
  ASSERT_TRUE(ZORScenarioReport::Write(report, runs, reason)) << reason;
  std::ifstream in(report + "/index.html");
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), ZORScenarioReport::Page(runs));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(report),
                          std::filesystem::directory_iterator()),
            1);
  // Under a file there is no folder to make: refused with the reason, nothing written.
  std::ofstream(dir + "/file") << "x";
  EXPECT_FALSE(ZORScenarioReport::Write(dir + "/file/report", runs, reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_FALSE(std::filesystem::exists(dir + "/file/report"));
}
