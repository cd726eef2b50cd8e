#include "win/CommandLine.h"

#include "win/Text.h"

#include <windows.h>
#include <shellapi.h>

namespace pp {

std::vector<std::string> ProgramArguments()
{
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    if (!arguments)
        return result;
    for (int i = 1; i < count; ++i)
        result.push_back(Utf8FromWide(arguments[i]));
    LocalFree(arguments);
    return result;
}

} // namespace pp
