#include "ZORScenarioReport.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "ZORSvgText.h"

namespace {

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:2em;color:#202020}"
    "pre{background:#f6f6f6;padding:.5em;margin:.3em 0;white-space:pre-wrap}"
    ".passed{color:#207030}.failed{color:#b02020}.error{color:#b06000}"
    "strong.failed,strong.error{background:#ffe8e8}"
    "figure{margin:.5em 0}figcaption{font-size:90%;color:#606060}"
    "section{border-top:1px solid #c0c0c0;margin-top:1.5em}";

const char* StatusClass(int status) {
  return status == 0 ? "passed" : status == 1 ? "failed" : "error";
}

// A transcript line that says something went wrong, and how: failed or error; none otherwise.
const char* Trouble(const std::string& line) {
  if (line.find(": expectation failed") != std::string::npos) return "failed";
  if (line.find(": error: ") != std::string::npos) return "error";
  return nullptr;
}

// Whether a transcript line reports a snapshot written.
bool IsSnapshotLine(const std::string& line) {
  return line.rfind("   wrote ", 0) == 0 && line.find(".svg: ") != std::string::npos;
}

}  // namespace

std::string ZORScenarioReport::Transcript(const ZORScenarioRun& run) {
  std::istringstream lines(run.transcript);
  std::string html = "<pre>";
  std::string line;
  std::size_t snapshot = 0;
  while (std::getline(lines, line)) {
    if (const char* trouble = Trouble(line)) {
      html += std::string("<strong class=\"") + trouble + "\">" + ZORSvgText::Escape(line) +
              "</strong>\n";
    } else {
      html += ZORSvgText::Escape(line) + "\n";
    }
    if (!IsSnapshotLine(line) || snapshot >= run.snapshots.size()) continue;
    // The picture where the script took it.
    const std::string file = line.substr(9, line.find(".svg: ") + 4 - 9);
    html += "</pre>\n<figure>\n" + run.snapshots[snapshot++] + "<figcaption>" +
            ZORSvgText::Escape(file) + "</figcaption>\n</figure>\n<pre>";
  }
  return html + "</pre>\n";
}

std::string ZORScenarioReport::Section(const ZORScenarioRun& run, int number) {
  const std::string id = "s" + std::to_string(number);
  return "<section id=\"" + id + "\">\n<h2>" + ZORSvgText::Escape(run.name) + " <span class=\"" +
         StatusClass(run.status) + "\">" + ZORScenarioRun::Verdict(run.status) + "</span></h2>\n" +
         Transcript(run) + "</section>\n";
}

std::string ZORScenarioReport::Page(const std::vector<ZORScenarioRun>& runs) {
  int counts[3] = {0, 0, 0};
  for (const ZORScenarioRun& run : runs) ++counts[run.status == 0 ? 0 : run.status == 1 ? 1 : 2];
  std::string page =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<!DOCTYPE html>\n"
      "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
      "<meta charset=\"UTF-8\"/>\n<title>zorhost scenario report</title>\n<style>" +
      std::string(kStyle) + "</style>\n</head>\n<body>\n<h1>Scenario report</h1>\n<p>" +
      std::to_string(runs.size()) + " scenarios: " + std::to_string(counts[0]) + " passed, " +
      std::to_string(counts[1]) + " with a failed expectation, " + std::to_string(counts[2]) +
      " could not run.</p>\n<ul>\n";
  for (std::size_t i = 0; i < runs.size(); ++i) {
    page += "<li><a href=\"#s" + std::to_string(i + 1) + "\">" + ZORSvgText::Escape(runs[i].name) +
            "</a> <span class=\"" + StatusClass(runs[i].status) + "\">" +
            ZORScenarioRun::Verdict(runs[i].status) + "</span></li>\n";
  }
  page += "</ul>\n";
  for (std::size_t i = 0; i < runs.size(); ++i) page += Section(runs[i], static_cast<int>(i + 1));
  return page + "</body>\n</html>\n";
}

bool ZORScenarioReport::CanWrite(const std::string& directory, std::string& reason) {
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) {
    reason = error.message();
    return false;
  }
  const std::filesystem::path probe = std::filesystem::path(directory) / ".zorhost-report-probe";
  if (!std::ofstream(probe)) {
    reason = "the folder cannot be written";
    return false;
  }
  std::filesystem::remove(probe, error);
  return true;
}

bool ZORScenarioReport::Write(const std::string& directory, const std::vector<ZORScenarioRun>& runs,
                              std::string& reason) {
  if (!CanWrite(directory, reason)) return false;
  const std::filesystem::path final = std::filesystem::path(directory) / "index.html";
  const std::filesystem::path partial = std::filesystem::path(directory) / "index.html.partial";
  {
    std::ofstream out(partial);
    out << Page(runs);
    if (!out.flush()) {
      reason = "the page could not be written";
      std::error_code ignored;
      std::filesystem::remove(partial, ignored);
      return false;
    }
  }
  // Whole or not at all: the page appears under its name only once written.
  std::error_code error;
  std::filesystem::rename(partial, final, error);
  if (error) {
    reason = error.message();
    std::filesystem::remove(partial, error);
    return false;
  }
  return true;
}
