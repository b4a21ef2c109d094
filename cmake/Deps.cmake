# Imports the static third-party libraries that scripts/build-deps cross-built into the cache.
set(LUMVEX_CACHE "$ENV{LUMVEX_CACHE}")
if(NOT LUMVEX_CACHE)
  set(LUMVEX_CACHE /var/cache/lumvex)
endif()
set(LUMVEX_DEPS_DIR "${LUMVEX_CACHE}/${LUMVEX_TRIPLE}" CACHE PATH "Cross-built dependencies")
if(NOT EXISTS "${LUMVEX_DEPS_DIR}/lib/libcurl.a")
  message(FATAL_ERROR "Dependencies missing in ${LUMVEX_DEPS_DIR}: run scripts/build-deps")
endif()

function(lumvex_import name file)
  add_library(deps::${name} STATIC IMPORTED GLOBAL)
  set_target_properties(deps::${name} PROPERTIES
    IMPORTED_LOCATION "${LUMVEX_DEPS_DIR}/lib/${file}"
    INTERFACE_INCLUDE_DIRECTORIES "${LUMVEX_DEPS_DIR}/include")
  if(ARGN)
    set_property(TARGET deps::${name} PROPERTY INTERFACE_LINK_LIBRARIES ${ARGN})
  endif()
endfunction()

lumvex_import(sqlite3 libsqlite3.a)
lumvex_import(jsoncpp libjsoncpp.a)
lumvex_import(mbedcrypto libmbedcrypto.a bcrypt advapi32)
lumvex_import(curl libcurl.a ws2_32 crypt32 secur32 bcrypt advapi32 iphlpapi)
set_property(TARGET deps::curl PROPERTY INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB)
lumvex_import(pugixml libpugixml.a)
# Linked by full name: -lz would pick zlib's import library and need its DLL at run time.
lumvex_import(minizip libminizip.a /usr/${LUMVEX_TRIPLE}/lib/libz.a)
target_include_directories(deps::minizip INTERFACE "${LUMVEX_DEPS_DIR}/include/minizip")

find_package(GTest CONFIG PATHS "${LUMVEX_DEPS_DIR}" NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
