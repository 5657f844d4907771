#include "cli/inspect.h"

#include <cstdio>
#include <fstream>

#include "exif/img_data.h"
#include "platform/date_time.h"
#include "platform/file_system.h"
#include "platform/text_encoding.h"

namespace ql::cli {

namespace {

// A JSON string: quotes, backslashes and control characters escaped, UTF-8 kept, and every
// byte that is not part of valid UTF-8 replaced by U+FFFD.
std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (std::size_t pos = 0; pos < text.size();) {
    const TChar c = CharAt(text, pos);
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (c.Length == 1 && byte >= 0x80) {
      AppendUtf8(out, U'\uFFFD');
    } else if (byte == '"' || byte == '\\') {
      out += '\\';
      out += static_cast<char>(byte);
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out.append(text.substr(pos, c.Length));
    }
    pos += c.Length;
  }
  return out + "\"";
}

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

std::string DateText(TDateTime value) {
  if (value == 0) return "null";
  const TDateTimeParts p = DecodeDateTime(value);
  char text[40];
  std::snprintf(text, sizeof text, "\"%04d-%02d-%02dT%02d:%02d:%02d\"", p.Year, p.Month, p.Day, p.Hour, p.Minute,
                p.Second);
  return text;
}

std::string NumberOrNull(std::int32_t value) { return value == 0 ? "null" : std::to_string(value); }

const char* Bool(bool value) { return value ? "true" : "false"; }

// Empty when the file can be read, else why not.
std::string ReadProblem(const std::string& path) {
  if (!PathExists(path)) return "No such file or directory";
  if (!RegularFileExists(path)) return "not a regular file";
  std::ifstream in(path, std::ios::binary);
  if (!in) return "cannot be opened for reading";
  return {};
}

}  // namespace

int InspectFiles(const std::vector<std::string>& files, std::ostream& out, std::ostream& err) {
  TimgData reader(0);
  int status = 0;
  for (const std::string& file : files) {
    const std::string problem = ReadProblem(file);
    if (!problem.empty()) {
      err << "quorvalinde-cli: " << file << ": " << problem << '\n';
      status = 1;
    }
    const bool processed = reader.ProcessFile(file);
    const TImageInfo* info = reader.ImageInfo.get();
    out << "{\"file\":" << JsonString(file) << ",\"processed\":" << Bool(processed)
        << ",\"exif\":" << Bool(reader.HasEXIF()) << ",\"jfif\":" << Bool(reader.JfifSection != nullptr)
        << ",\"iptc\":" << Bool(reader.HasIPTC()) << ",\"comment\":" << Bool(reader.HasComment())
        << ",\"sections\":" << reader.SectionsRead << ",\"date\":" << DateText(info ? info->GetImgDateTime() : 0)
        << ",\"width\":" << NumberOrNull(info ? info->Width : 0) << ",\"height\":" << NumberOrNull(info ? info->Height : 0)
        << ",\"comment_hex\":" << (reader.HasComment() ? "\"" + Hex(reader.GetCommentStr()) + "\"" : "null")
        << "}\n";
  }
  return status;
}

}  // namespace ql::cli
