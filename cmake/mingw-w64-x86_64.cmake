# 64-bit Windows: the same sources for systems without 32-bit support, and for machines that run no
# 32-bit code, where only this build can be tested under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
