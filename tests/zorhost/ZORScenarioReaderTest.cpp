#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORScenarioInterpreter.h"
#include "ZORScenarioReader.h"

namespace {

ZORScenarioReader::Result Read(const std::string& text) {
  return ZORScenarioReader().Read(text, "s.zsc");
}

std::vector<std::string> Args(const std::string& line) {
  const auto result = Read(line);
  EXPECT_TRUE(result.Ok()) << line << ": " << (result.Ok() ? "" : result.problems[0]);
  return result.Ok() && !result.statements.empty() ? result.statements[0].args
                                                   : std::vector<std::string>{"(none)"};
}

std::string Keyword(const std::string& line) {
  const auto result = Read(line);
  return result.Ok() && result.statements.size() == 1 ? result.statements[0].keyword : "(none)";
}

std::string Problem(const std::string& line) {
  const auto result = Read(line);
  return result.problems.size() == 1 ? result.problems[0] : "(not one problem)";
}

}  // namespace

TEST(ScenarioReader, SplitsWordsQuotesAndCommentsKeepingLineNumbers) {
  const auto result = Read(
      "# a scenario\n"
      "\n"
      "click \"Panel/My Button\"   # the button with a blank\r\n"
      "   expect message \"say \\\"hi\\\" \\\\ now\"\n"
      "dump\n");
  ASSERT_TRUE(result.Ok());
  ASSERT_EQ(result.statements.size(), 3u);
  EXPECT_EQ(result.statements[0].line, 3);
  EXPECT_EQ(result.statements[0].Where(), "s.zsc:3");
  EXPECT_EQ(result.statements[0].args, std::vector<std::string>{"Panel/My Button"});
  EXPECT_EQ(result.statements[1].keyword, "expect message");
  EXPECT_EQ(result.statements[1].args, std::vector<std::string>{"say \"hi\" \\ now"});
  // "#" starts a comment only where a word starts; a comment needs a word before it here.
  EXPECT_EQ(Problem("type Panel/Edit #1"), "s.zsc:1: type: missing VALUE (type PATH VALUE)");
  EXPECT_EQ(Args("type Panel/Edit a#1"), (std::vector<std::string>{"Panel/Edit", "a#1"}));
  EXPECT_EQ(Args("expect document \"\""), std::vector<std::string>{""});
  EXPECT_TRUE(Read("").statements.empty());
  EXPECT_TRUE(Read("\n\n   \n# only comments\n").Ok());
}

TEST(ScenarioReader, ReportsEveryMalformedLineByFileAndLine) {
  const auto result = Read(
      "point 1 2\n"
      "click \"Panel/OK\n"
      "click Panel/\"OK\"\n"
      "click \"Panel\"/OK\n"
      "frobnicate Point.1\n"
      "point 1 2 z\n"
      "answer 1.5\n"
      "check Box maybe\n"
      "escape now\n"
      "update\n");
  EXPECT_FALSE(result.Ok());
  EXPECT_EQ(result.statements.size(), 1u);  // the one good line, for what it is worth
  const std::vector<std::string> expected = {
      "s.zsc:1: point: missing Z (point X Y Z)",
      "s.zsc:2: a quoted text does not end on its line",
      "s.zsc:3: a quote must stand apart from the words beside it",
      "s.zsc:4: a quote must stand apart from the words beside it",
      "s.zsc:5: unknown statement 'frobnicate'",
      "s.zsc:6: point: Z is not a number: 'z'",
      "s.zsc:7: answer: ANSWER is not a whole number: '1.5'",
      "s.zsc:8: check: STATE must be on or off, not 'maybe'",
      "s.zsc:9: escape: too many arguments (escape)",
  };
  EXPECT_EQ(result.problems, expected);
  EXPECT_EQ(Problem("point 1 2 1e999"), "s.zsc:1: point: Z is not a number: '1e999'");
  EXPECT_EQ(Problem("answer 99999999999"),
            "s.zsc:1: answer: ANSWER is not a whole number: '99999999999'");
  EXPECT_EQ(Problem("\"click\" Panel/OK"), "s.zsc:1: unknown statement 'click'");
  // A number is the whole word: a NUL byte inside it does not end it.
  EXPECT_EQ(Problem(std::string("point \"1\0junk\" 2 3", 18)).rfind("s.zsc:1: point: X is not", 0),
            0u);
  EXPECT_EQ(Problem(std::string("answer \"1\0\"", 11)).rfind("s.zsc:1: answer: ANSWER", 0), 0u);
}

TEST(ScenarioReader, KeywordsOfSeveralWordsTakeTheLongestMatchOfPlainWords) {
  EXPECT_EQ(Keyword("expect no panel ErrorPanel"), "expect no panel");
  EXPECT_EQ(Keyword("expect panel ErrorPanel"), "expect panel");
  EXPECT_EQ(Keyword("expect no document \"Point.2\""), "expect no document");
  EXPECT_EQ(Keyword("pick tree Point.1"), "pick tree");
  EXPECT_EQ(Keyword("mouse click 1 2 3"), "mouse click");
  EXPECT_EQ(Keyword("mouse 1 2 3"), "mouse");
  // A quoted word is a name: the feature called "tree".
  EXPECT_EQ(Keyword("pick \"tree\""), "pick");
  EXPECT_EQ(Args("pick \"tree\""), std::vector<std::string>{"tree"});
  EXPECT_EQ(Problem("expect nothing"), "s.zsc:1: unknown statement 'expect'");
  EXPECT_EQ(Problem("pick tree"), "s.zsc:1: pick tree: missing FEATURE (pick tree FEATURE)");
}

TEST(ScenarioReader, OptionalAndRepeatedArgumentsFitAroundTheRequiredOnes) {
  EXPECT_TRUE(Args("ok").empty());
  EXPECT_EQ(Args("ok ErrorPanel"), std::vector<std::string>{"ErrorPanel"});
  EXPECT_EQ(Problem("ok A B"), "s.zsc:1: ok: too many arguments (ok [PANEL])");
  EXPECT_EQ(Args("fail WENLine \"no line\""), (std::vector<std::string>{"WENLine", "no line"}));
  EXPECT_EQ(Args("fail WENLine Point.1 Point.2 bad"),
            (std::vector<std::string>{"WENLine", "Point.1", "Point.2", "bad"}));
  EXPECT_EQ(Problem("fail WENLine"),
            "s.zsc:1: fail: missing DIAGNOSTIC (fail TYPE [INPUT...] DIAGNOSTIC)");
  EXPECT_EQ(Args("select List 0 2 3"), (std::vector<std::string>{"List", "0", "2", "3"}));
  EXPECT_EQ(Problem("select List"), "s.zsc:1: select: missing LINE (select PATH LINE [LINE...])");
  EXPECT_EQ(Problem("select List 1 x"), "s.zsc:1: select: LINE is not a whole number: 'x'");
  EXPECT_EQ(Args("support Plane.1"), std::vector<std::string>{"Plane.1"});
  EXPECT_EQ(Args("support Plane.1 Point.4"), (std::vector<std::string>{"Plane.1", "Point.4"}));
}

TEST(ScenarioReader, EveryStatementHasAFunctionThatRunsIt) {
  EXPECT_TRUE(ZORScenarioInterpreter::KeywordsWithoutHandler().empty());
  // and the table is not empty by accident
  EXPECT_GT(ZORScenarioSyntax::Standard().Forms().size(), 40u);
}
