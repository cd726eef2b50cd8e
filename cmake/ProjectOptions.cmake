# Compiler and linker settings shared by every target.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)

# 32-bit x86 builds compute with SSE2 as the 64-bit ones do: x87's extended
# precision would round some pixels the other way, and __SSE2__ selects the
# same vector rows. Every processor that runs the supported Windows has it.
# MinGW realigns the stack where SSE needs it (-mstackrealign is its default
# with SSE), so callbacks entered with Windows' 4-byte alignment stay safe.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  add_compile_options(-msse2 -mfpmath=sse)
endif()

if(WIN32)
  # Resource scripts: the program's manifest.
  enable_language(RC)
  # Unicode end to end: every API call goes to the W function.
  add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
  # The executables must run on a clean Windows: C and C++ runtimes, winpthread
  # and zlib are linked in, so only system DLLs are imported.
  add_link_options(-static -static-libgcc -static-libstdc++)
  set(ZLIB_USE_STATIC_LIBS ON)
endif()

if(PP_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

find_package(ZLIB REQUIRED)
