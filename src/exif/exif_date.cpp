// The recording date of the EXIF block and the comment of the COM section.
//
// An EXIF date-time value is 20 bytes, "YYYY:MM:DD HH:MM:SS" and a zero byte (EXIF 2.3, 4.6.4);
// the separators at characters 4, 7, 10, 13 and 16 are not tested.
#include <algorithm>
#include <optional>

#include "exif/img_data.h"

namespace ql {

namespace {

constexpr std::size_t kDateTextLength = 19;

// A decimal number filling the whole field, after leading blanks and an optional sign.
std::optional<int> FieldNumber(std::string_view field) {
  std::size_t i = 0;
  while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '+' || field[i] == '-')) negative = field[i++] == '-';
  if (i == field.size()) return std::nullopt;
  int number = 0;
  for (; i < field.size(); ++i) {
    if (field[i] < '0' || field[i] > '9') return std::nullopt;
    number = number * 10 + (field[i] - '0');  // at most 4 digits
  }
  return negative ? -number : number;
}

}  // namespace

TDateTime TImageInfo::GetImgDateTime() const {
  // DateTime first, then DateTimeOriginal, then DateTimeDigitized; the first recorded decides.
  if (DateTimePos > 0) return ExtrDateTime(DateTimePos);
  if (DateTimeOriginalPos > 0) return ExtrDateTime(DateTimeOriginalPos);
  if (DateTimeDigitizedPos > 0) return ExtrDateTime(DateTimeDigitizedPos);
  return 0;
}

TDateTime TImageInfo::ExtrDateTime(std::int32_t position) const {
  const TByteString& bytes = Reader && Reader->ExifSection ? Reader->ExifSection->Bytes : Buffer;
  if (position < 0 || static_cast<std::size_t>(position) >= bytes.size()) return 0;
  const std::size_t n = std::min(kDateTextLength, bytes.size() - static_cast<std::size_t>(position));
  return ExifDateToDateTime(std::string_view(reinterpret_cast<const char*>(bytes.data()) + position, n));
}

TDateTime TImageInfo::ExifDateToDateTime(std::string_view text) {
  if (text.size() < kDateTextLength) return 0;
  const auto year = FieldNumber(text.substr(0, 4));
  const auto month = FieldNumber(text.substr(5, 2));
  const auto day = FieldNumber(text.substr(8, 2));
  const auto hour = FieldNumber(text.substr(11, 2));
  const auto minute = FieldNumber(text.substr(14, 2));
  const auto second = FieldNumber(text.substr(17, 2));
  if (!year || !month || !day || !hour || !minute || !second) return 0;
  const auto date = EncodeDate(*year, *month, *day);
  const auto time = EncodeTime(*hour, *minute, *second);
  if (!date || !time) return 0;
  return ComposeDateTime(*date, *time);
}

std::string TimgData::GetCommentStr() const {
  if (!CommentSection || CommentSection->Bytes.size() < 2) return {};
  const TByteString& bytes = CommentSection->Bytes;
  const std::size_t length = bytes[0] * 256u + bytes[1];
  const std::size_t payload = std::min(length < 2 ? 0 : length - 2, bytes.size() - 2);
  return std::string(reinterpret_cast<const char*>(bytes.data()) + 2, payload);
}

bool TimgData::ReadExifInfo(const std::string& fileName) {
  ProcessFile(fileName);
  return HasMetaData();
}

}  // namespace ql
