# What a cross build (the Windows build of `make test-windows`) takes from the build machine:
# - the generators that make the data files (code tables, roster, interface texts, demo game, map,
#   fuzz seeds), from a native build's folder, since their output is the same on every system and
#   several of them need ICU or Qt, which the target may lack;
# - header-only libraries (CLI11, nlohmann/json, stb), through a folder that holds only them, so
#   that the build machine's own C headers never shadow the target's;
# - GoogleTest, built from Debian's source (libgtest-dev) with the cross compiler.
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()

set(BUSHO_HOST_BUILD "${CMAKE_SOURCE_DIR}/build" CACHE PATH
    "A native build folder whose generators the cross build runs (tools/ and bin/ in it)")
set(BUSHO_HOST_TOOLS make_interface_texts make_code_tables make_roster make_demo make_map make_code_page_corpus
                     make_message_translations)
foreach(tool IN LISTS BUSHO_HOST_TOOLS)
  add_executable(${tool} IMPORTED GLOBAL)
  set_target_properties(${tool} PROPERTIES IMPORTED_LOCATION ${BUSHO_HOST_BUILD}/tools/${tool})
endforeach()
add_executable(fuzz_make_seeds IMPORTED GLOBAL)
set_target_properties(fuzz_make_seeds PROPERTIES IMPORTED_LOCATION ${BUSHO_HOST_BUILD}/bin/fuzz_make_seeds)

set(BUSHO_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${BUSHO_HOST_HEADERS})
foreach(dir CLI nlohmann stb)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing: run scripts/install-deps windows")
  endif()
  file(CREATE_LINK /usr/include/${dir} ${BUSHO_HOST_HEADERS}/${dir} SYMBOLIC)
endforeach()
add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
add_library(busho_stb INTERFACE IMPORTED GLOBAL)
foreach(lib CLI11::CLI11 nlohmann_json::nlohmann_json busho_stb)
  set_target_properties(${lib} PROPERTIES INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${BUSHO_HOST_HEADERS}
                                          INTERFACE_INCLUDE_DIRECTORIES ${BUSHO_HOST_HEADERS})
endforeach()
set(BUSHO_HEADER_ONLY_FROM_HOST ON)

if(BUSHO_BUILD_TESTS)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # googletest defines GTest::gtest and GTest::gtest_main itself.
  set(BUSHO_GTEST_FROM_SOURCE ON)
endif()
