# Cross-compiles for i686 Windows with the mingw-w64 POSIX-thread compilers.
set(LUMVEX_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
