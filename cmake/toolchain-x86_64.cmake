# Cross-compiles for x86_64 Windows with the mingw-w64 POSIX-thread compilers.
set(LUMVEX_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
# The test build: its executables run under wine64.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run)
