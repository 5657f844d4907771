// The output base name of a source file.
#pragma once

#include <string>
#include <string_view>

namespace ql {

// The name lower-cased (A-Z and the Windows-1252 capitals), without its extension. With
// `replaceUnsafe`, every character but a-z and 0-9 is replaced: ß by "ss", ä by "ae", ö by "oe",
// ü by "ue", any other by "_". 'Urlaub Ägypten 01.JPG' gives 'urlaub_aegypten_01'.
std::string WebFileName(std::string_view fileName, bool replaceUnsafe);

}  // namespace ql
