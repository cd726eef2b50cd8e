#pragma once
// What the program tells the user about the port: a driver library that is
// missing or unusable, and a trace that cannot be written. Each text says
// what happened, where, why, and how the program goes on.
#include <string>

namespace pp::port {

std::string DriverMissingNotice(const std::string& library);
// `where` is the library's full path when it is known, else its name.
std::string DriverUnusableNotice(const std::string& where, const std::string& reason);
std::string UnknownPortSettingNotice();
std::string TraceNotOpenedNotice(const std::string& path, const std::string& reason);
std::string TraceStoppedNotice(const std::string& path, const std::string& reason);

} // namespace pp::port
