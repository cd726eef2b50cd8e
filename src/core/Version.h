#pragma once
// The release version of the program and its tools: the one place it is set.
// Plain macros, because the resource compiler reads this file too (for the
// programs' version resources) and so does scripts/package (for the names
// of the zips).
#define PP_VERSION_MAJOR 1
#define PP_VERSION_MINOR 0
#define PP_VERSION_PATCH 0

// clang-format off
#define PP_VERSION_STRINGIFY2(x) #x
#define PP_VERSION_STRINGIFY(x) PP_VERSION_STRINGIFY2(x)
#define PP_VERSION_TEXT \
    PP_VERSION_STRINGIFY(PP_VERSION_MAJOR) "." \
    PP_VERSION_STRINGIFY(PP_VERSION_MINOR) "." \
    PP_VERSION_STRINGIFY(PP_VERSION_PATCH)
// clang-format on
#define PP_PRODUCT_NAME "Pindrel_Port"
