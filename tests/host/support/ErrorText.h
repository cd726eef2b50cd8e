#pragma once
// The message of the program's exception an action throws, or "no error".
#include <functional>
#include <string>

namespace pptest {

std::string ErrorText(const std::function<void()>& action);

} // namespace pptest
