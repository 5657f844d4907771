#include "cli/inspect.h"

namespace ql::cli {

int InspectFiles(const std::vector<std::string>&, std::ostream&, std::ostream& err) {
  err << "quorvalinde-cli: --inspect is not built yet\n";
  return 1;
}

}  // namespace ql::cli
