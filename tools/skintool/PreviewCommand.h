#pragma once
// skintool preview: shows a skin folder in the running program and shows it
// again whenever a file of the folder changes (Windows only: it talks to the
// program's main window).
#include <string>

namespace skintool {

// Answers the tool's exit status: with `once`, 0 when the program took the
// skin, 1 (with a message on stderr) when it did not.
int Preview(const std::string& skinDir, bool once);

} // namespace skintool
