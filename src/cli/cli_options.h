// The command line of quorvalinde-cli.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ql::cli {

struct TCliOptions {
  std::optional<std::string> Input;
  std::optional<std::string> Output;
  std::optional<std::string> Settings;
  std::optional<std::string> SaveSettings;
  std::optional<int> Filter;  // 0..6
  std::optional<int> Sort;    // 0..3
  bool NoExif = false;
  bool PagesOnly = false;
  std::optional<int> Quality, ThumbQuality, MaxWidth, MaxHeight, ThumbSize;
  bool Yes = false;
  bool Open = false;
  bool Help = false;
  bool Version = false;
  std::vector<std::string> Inspect;  // files named after --inspect
};

struct TParseResult {
  TCliOptions Options;
  std::string Error;  // non-empty: a usage error, the text says what is wrong
};

TParseResult ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

// The names of the filter list, by index.
extern const char* const kFilterNames[7];

}  // namespace ql::cli
