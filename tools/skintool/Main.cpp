// skintool: packs, unpacks and lists packed skin files, decodes skin
// images with the engine's own decoders, and paints skin sections.
// Packing can also write damaged packages, for testing what the program
// makes of them.
#include "InfoCommand.h"
#include "PreviewCommand.h"
#include "RenderCommand.h"
#include "SkinTool.h"

#include "core/Error.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

const char* const Usage =
    "usage: skintool pack DIR FILE.lvz [--damage magic|truncate|check|size]\n"
    "       skintool unpack FILE.lvz DIR\n"
    "       skintool list FILE.lvz\n"
    "       skintool decode IMAGE OUT.png [--skin-version V]\n"
    "       skintool info SKIN (a skin folder or FILE.lvz)\n"
    "       skintool render SKIN SECTION WIDTHxHEIGHT OUT.png [--state N]\n"
    "                       [--backdrop RRGGBB|FILE.png] [--text TEXT]\n"
#ifdef _WIN32
    "       skintool preview SKINDIR [--once] (see docs/skin-preview.md)\n"
#endif
    ;

// Arguments as UTF-8, whatever the platform's code page.
std::vector<std::string> Arguments(int argc, char** argv)
{
#ifdef _WIN32
    (void)argc;
    (void)argv;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide && i < count; ++i) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(bytes > 0 ? bytes - 1 : 0, '\0');
        WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), bytes, nullptr, nullptr);
        args.push_back(arg);
    }
    LocalFree(wide);
    return args;
#else
    return {argv + 1, argv + argc};
#endif
}

double ParseVersion(const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0')
        throw pp::EConvertError("'" + text + "' is not a valid skin version");
    return value;
}

int Run(const std::vector<std::string>& args)
{
    const std::string command = args.empty() ? "" : args[0];
    if (command == "pack" && (args.size() == 3 || (args.size() == 5 && args[3] == "--damage"))) {
        skintool::Pack(args[1], args[2],
                       args.size() == 5 ? skintool::PackageDamageNamed(args[4])
                                        : skintool::TPackageDamage::None);
    } else if (command == "unpack" && args.size() == 3) {
        skintool::Unpack(args[1], args[2]);
    } else if (command == "list" && args.size() == 2) {
        std::fputs(skintool::List(args[1]).c_str(), stdout);
    } else if (command == "decode" &&
               (args.size() == 3 || (args.size() == 5 && args[3] == "--skin-version"))) {
        skintool::Decode(args[1], args[2],
                         args.size() == 5 ? std::optional(ParseVersion(args[4])) : std::nullopt);
    } else if (command == "info" && args.size() == 2) {
        std::fputs(skintool::Info(args[1]).c_str(), stdout);
    } else if (command == "render" && args.size() >= 5) {
        skintool::Render(skintool::ParseRenderArguments({args.begin() + 1, args.end()}));
#ifdef _WIN32
    } else if (command == "preview" && (args.size() == 2 || (args.size() == 3 && args[2] == "--once"))) {
        return skintool::Preview(args[1], args.size() == 3);
#endif
    } else {
        std::fputs(Usage, stderr);
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        return Run(Arguments(argc, argv));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skintool: %s\n", e.what());
        return 1;
    }
}
