# The native compiler producing 32-bit x86 code (Debian's multilib packages),
# so that the portable code's arithmetic is tested as the i686 Windows build
# ships it.
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)
# Debian keeps the multilib packages' 32-bit libraries (zlib) there, a folder
# CMake does not search on Debian by itself.
set(CMAKE_LIBRARY_PATH /usr/lib32)
