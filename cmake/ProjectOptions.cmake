# Compiler and linker settings shared by every target.
add_compile_options(-Wall -Wextra -Wno-unused-parameter)

if(WIN32)
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
