#pragma once
// The program's command-line arguments, as the platform splits them.
#include <string>
#include <vector>

namespace pp {

// The arguments after the program's own name, in UTF-8.
std::vector<std::string> ProgramArguments();

} // namespace pp
