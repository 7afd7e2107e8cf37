# 32-bit Windows, the program's own target: it runs on every Windows, on 64-bit ones through WoW64,
# and is the build the release package for any Windows holds.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
