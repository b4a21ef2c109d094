# The GCC runtime is linked as DLLs in both builds, so that a C++ exception or a std::function
# crosses the Varlink.dll boundary (i686 unwinds with DWARF tables, which a statically linked
# libgcc in each module cannot do across modules). The DLLs are copied beside the programs.
add_link_options(-shared-libgcc)

if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(_gcc_dll libgcc_s_dw2-1.dll)
else()
  set(_gcc_dll libgcc_s_seh-1.dll)
endif()
foreach(dll ${_gcc_dll} libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "Runtime DLL ${dll} not found by ${CMAKE_CXX_COMPILER}")
  endif()
  file(COPY "${path}" DESTINATION "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
endforeach()
