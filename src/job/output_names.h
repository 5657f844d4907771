// Output names that are unique within one run, so that no output replaces another: 'x.jpg' and
// 'x.bmp' share the web name 'x', and the copy of 't_x.jpg' would be named like the thumbnail of
// 'x.jpg'.
#pragma once

#include <set>
#include <string>

namespace ql {

class TOutputNames {
 public:
  // The web name to use for an image whose plain web name is `webName`: `webName` itself when
  // neither webName.jpg nor t_webName.jpg is taken yet in this run, else the first of webName_2,
  // webName_3, ... for which both are free. Both names are then taken.
  std::string ClaimImage(const std::string& webName);

  // The same for a background copy, which writes only webName.jpg.
  std::string ClaimBackground(const std::string& webName);

 private:
  bool Taken(const std::string& file) const { return taken_.count(file) != 0; }
  std::set<std::string> taken_;
};

}  // namespace ql
