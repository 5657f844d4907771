#include "cli/cli_options.h"

#include <functional>
#include <map>

#include "platform/int_conversion.h"
#include "platform/text_encoding.h"

namespace ql::cli {

const char* const kFilterNames[7] = {"SplineFilter", "BellFilter",     "TriangleFilter", "BoxFilter",
                                     "HermiteFilter", "Lanczos3Filter", "MitchellFilter"};

std::string UsageText() {
  return R"(Usage: quorvalinde-cli [options]
Builds a web gallery from the JPEG and BMP images of a folder: resized copies, thumbnails,
index pages (page1.htm ...) and one page per image (img1.htm ...).

  -i, --input DIR          input folder (default: the source folder of the file given with -s)
  -o, --output DIR         output folder (default: the destination folder of the file given with -s)
  -s, --settings FILE      load a settings file (.qvl) after the start-up defaults
      --filter NAME|0-6    resampling filter of the resized copies (default Lanczos3Filter):
                           0 SplineFilter, 1 BellFilter, 2 TriangleFilter, 3 BoxFilter,
                           4 HermiteFilter, 5 Lanczos3Filter, 6 MitchellFilter
      --sort ORDER         date-asc, date-desc, name-asc or name-desc
                           (default: the sort order of the loaded settings)
      --no-exif            run with "use EXIF fileinfo if possible" unticked
      --pages-only         "create only webpages": write the pages, no images
      --quality N          JPEG quality of the resized copies, 1 to 100
      --thumb-quality N    JPEG quality of the thumbnails, 1 to 100
      --max-width N        largest width of a resized copy, 0 to 9999
      --max-height N       largest height of a resized copy, 0 to 9999
      --thumb-size N       largest side of a thumbnail, 0 to 999
  -y, --yes                answer OK to the warnings (non-empty output folder, create folder)
      --open               open page1.htm in the default browser at the end
      --save-settings FILE write the effective settings to FILE; a run follows only when an
                           input folder is known (given with -i or loaded with -s)
      --inspect FILE...    print what the metadata reader finds in each file, one JSON line each
  -h, --help               show this text
      --version            show the version

At start-up default.qvl of the current directory is loaded when it exists (its folders are
not used). Exit status: 0 success, 1 failure, 2 usage error, 130 cancelled (Ctrl-C).
)";
}

namespace {

std::optional<int> ParseNumber(const std::string& text, int low, int high) {
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const auto value = StrictInt(text);
  if (text.empty() || !value || *value < low || *value > high) return std::nullopt;
  return *value;
}

std::optional<int> ParseFilter(const std::string& text) {
  if (const auto index = ParseNumber(text, 0, 6)) return index;
  const std::string lower = AsciiLowerCase(text);
  for (int i = 0; i < 7; ++i) {
    if (lower == AsciiLowerCase(kFilterNames[i])) return i;
  }
  return std::nullopt;
}

std::optional<int> ParseSort(const std::string& text) {
  static const std::map<std::string, int> kOrders = {
      {"date-asc", 0}, {"date-desc", 1}, {"name-asc", 2}, {"name-desc", 3}};
  const auto found = kOrders.find(text);
  return found == kOrders.end() ? std::nullopt : std::optional<int>(found->second);
}

}  // namespace

TParseResult ParseCommandLine(const std::vector<std::string>& args) {
  TParseResult result;
  TCliOptions& o = result.Options;

  using Setter = std::function<std::string(const std::string&)>;  // returns an error text
  auto text = [](std::optional<std::string>& field) -> Setter {
    return [&field](const std::string& value) {
      field = value;
      return std::string();
    };
  };
  auto number = [](std::optional<int>& field, int low, int high, std::string what) -> Setter {
    return [&field, low, high, what](const std::string& value) {
      field = ParseNumber(value, low, high);
      return field ? std::string()
                   : what + " must be a whole number from " + std::to_string(low) + " to " + std::to_string(high) +
                         ", not '" + value + "'";
    };
  };
  const std::map<std::string, Setter> withValue = {
      {"--input", text(o.Input)},
      {"--output", text(o.Output)},
      {"--settings", text(o.Settings)},
      {"--save-settings", text(o.SaveSettings)},
      {"--filter",
       [&o](const std::string& value) {
         o.Filter = ParseFilter(value);
         return o.Filter ? std::string() : "unknown filter '" + value + "' (0 to 6 or a filter name)";
       }},
      {"--sort",
       [&o](const std::string& value) {
         o.Sort = ParseSort(value);
         return o.Sort ? std::string() : "unknown sort order '" + value + "' (date-asc, date-desc, name-asc, name-desc)";
       }},
      {"--quality", number(o.Quality, 1, 100, "--quality")},
      {"--thumb-quality", number(o.ThumbQuality, 1, 100, "--thumb-quality")},
      {"--max-width", number(o.MaxWidth, 0, 9999, "--max-width")},
      {"--max-height", number(o.MaxHeight, 0, 9999, "--max-height")},
      {"--thumb-size", number(o.ThumbSize, 0, 999, "--thumb-size")},
  };
  const std::map<std::string, bool*> flags = {
      {"--no-exif", &o.NoExif}, {"--pages-only", &o.PagesOnly}, {"--yes", &o.Yes},
      {"--open", &o.Open},      {"--help", &o.Help},            {"--version", &o.Version},
  };
  const std::map<std::string, std::string> shortNames = {
      {"-i", "--input"}, {"-o", "--output"}, {"-s", "--settings"}, {"-y", "--yes"}, {"-h", "--help"}};

  for (std::size_t k = 0; k < args.size(); ++k) {
    std::string arg = args[k];
    if (const auto found = shortNames.find(arg); found != shortNames.end()) arg = found->second;
    std::optional<std::string> inlineValue;
    if (arg.rfind("--", 0) == 0) {
      if (const auto eq = arg.find('='); eq != std::string::npos) {
        inlineValue = arg.substr(eq + 1);
        arg.resize(eq);
      }
    }
    if (arg == "--inspect") {
      if (inlineValue) o.Inspect.push_back(*inlineValue);
      while (k + 1 < args.size()) o.Inspect.push_back(args[++k]);
      if (o.Inspect.empty()) result.Error = "--inspect needs at least one file";
      return result;
    }
    if (const auto flag = flags.find(arg); flag != flags.end()) {
      if (inlineValue) {
        result.Error = arg + " takes no value";
        return result;
      }
      *flag->second = true;
      continue;
    }
    if (const auto option = withValue.find(arg); option != withValue.end()) {
      std::string value;
      if (inlineValue) {
        value = *inlineValue;
      } else if (k + 1 < args.size()) {
        value = args[++k];
      } else {
        result.Error = arg + " needs a value";
        return result;
      }
      result.Error = option->second(value);
      if (!result.Error.empty()) return result;
      continue;
    }
    result.Error = "unknown option '" + args[k] + "'";
    return result;
  }
  return result;
}

}  // namespace ql::cli
