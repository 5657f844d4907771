#include "job/output_names.h"

namespace ql {

std::string TOutputNames::ClaimImage(const std::string& webName) {
  std::string name = webName;
  for (int suffix = 2; Taken(name + ".jpg") || Taken("t_" + name + ".jpg"); ++suffix) {
    name = webName + "_" + std::to_string(suffix);
  }
  taken_.insert(name + ".jpg");
  taken_.insert("t_" + name + ".jpg");
  return name;
}

std::string TOutputNames::ClaimBackground(const std::string& webName) {
  std::string name = webName;
  for (int suffix = 2; Taken(name + ".jpg"); ++suffix) name = webName + "_" + std::to_string(suffix);
  taken_.insert(name + ".jpg");
  return name;
}

}  // namespace ql
