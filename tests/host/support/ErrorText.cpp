#include "support/ErrorText.h"

#include "core/Error.h"

namespace pptest {

std::string ErrorText(const std::function<void()>& action)
{
    try {
        action();
    } catch (const pp::Exception& e) {
        return e.what();
    }
    return "no error";
}

} // namespace pptest
