#pragma once
// Trace records: static objects named by a key and a title that write lines to their output
// ("STDERR") when their key is switched on, through the host setting below or the environment
// variable ZOR_TRACE (keys separated by commas).

#include <string>
#include <vector>

class ZORTrace {
 public:
  ZORTrace(const char* key, const char* title, const char* output = "STDERR");

  const std::string& GetKey() const { return key_; }
  const std::string& GetTitle() const { return title_; }
  const std::string& GetOutput() const { return output_; }

  bool IsActive() const { return IsOn(key_); }
  // Writes "<key>: <line>" when the record is on.
  void Print(const std::string& line) const;

  // The host setting that switches records on.
  static void SetOn(const std::string& key, bool on);
  static bool IsOn(const std::string& key);

  // Lines written since the last clear, kept for tests and the transcript (bounded).
  static const std::vector<std::string>& Written();
  static void ClearWritten();

 private:
  std::string key_;
  std::string title_;
  std::string output_;
};
