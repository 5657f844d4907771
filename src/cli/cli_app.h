// quorvalinde-cli as a function, so that tests can drive it.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace ql::cli {

// Exit status: 0 success, 1 failure, 2 usage error, 130 when Cancel stopped the loop.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace ql::cli
