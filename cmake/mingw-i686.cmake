set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The 32-bit loader by its own wrapper: /usr/bin/wine may not be the arch we built.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine/wine32)
set(VK_OBJDUMP i686-w64-mingw32-objdump)
set(VK_ARCH 32)
set(VK_DLLTOOL i686-w64-mingw32-dlltool)
set(VK_LLVM_MACHINE i386)         # llvm-dlltool's name of the arch
set(VK_STDCALL_SUFFIX "@36")     # how a __stdcall name is decorated on this arch
set(VK_CLANG_TARGET i686-w64-mingw32)
