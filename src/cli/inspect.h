// quorvalinde-cli --inspect: what the metadata reader finds in files, one JSON object a line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ql::cli {

// Returns the exit status: 1 when a named file does not exist or cannot be read, else 0.
int InspectFiles(const std::vector<std::string>& files, std::ostream& out, std::ostream& err);

}  // namespace ql::cli
