#pragma once
// The system's own description of an error code, in the user's language,
// for notices that must say why something failed.
#include <string>

namespace pp::port {

// Without the trailing full stop and line break, so it reads inside a
// sentence; the number when the system has no text for it.
std::string SystemErrorText(unsigned long code);

} // namespace pp::port
