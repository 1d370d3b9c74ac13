# Native build: the string table lookup, caelor-cli, unit tests, benchmarks.

add_library(caelor_strings STATIC ${CMAKE_SOURCE_DIR}/caelor/resources/string_table_native.cpp)
target_include_directories(caelor_strings PUBLIC ${CMAKE_SOURCE_DIR}/caelor)
target_compile_options(caelor_strings PRIVATE ${CAELOR_WARNINGS})
target_link_libraries(caelor_pure PUBLIC caelor_strings)

find_package(PkgConfig REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)

# The Day/Night map, compiled in: caelor.exe has it as the WORLDMAP resource.
set(WORLDMAP_BMP ${CMAKE_SOURCE_DIR}/caelor/resources/worldmap.bmp)
set(WORLDMAP_CPP ${CMAKE_BINARY_DIR}/generated/world_map_data.cpp)
add_custom_command(OUTPUT ${WORLDMAP_CPP}
    COMMAND ${CMAKE_COMMAND} -DIN=${WORLDMAP_BMP} -DOUT=${WORLDMAP_CPP} -DNAME=WorldMapBytes
            -P ${CMAKE_SOURCE_DIR}/cmake/embed_bytes.cmake
    DEPENDS ${WORLDMAP_BMP} ${CMAKE_SOURCE_DIR}/cmake/embed_bytes.cmake)
add_library(caelor_worldmap STATIC ${WORLDMAP_CPP})
target_link_libraries(caelor_pure PUBLIC caelor_worldmap)

file(GLOB CLI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/caelor/cli/*.cpp)
add_executable(caelor-cli ${CLI_SOURCES})
target_compile_options(caelor-cli PRIVATE ${CAELOR_WARNINGS})
target_link_libraries(caelor-cli PRIVATE caelor_pure PkgConfig::CAIRO m)
target_include_directories(caelor-cli PRIVATE ${CAELOR_VERSION_INCLUDE_DIR})

# Installed (make install, the Debian package): the program in bin, its data
# files in share/caelor, the man page when the build has one. The program
# finds the data files from its own directory, so that the same binary works
# under any prefix and unpacked or staged under another root.
include(GNUInstallDirs)
file(RELATIVE_PATH CAELOR_DATA_DIR_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/caelor)
set_source_files_properties(${CMAKE_SOURCE_DIR}/caelor/cli/data_files.cpp PROPERTIES
    COMPILE_DEFINITIONS CAELOR_DATA_DIR_FROM_BIN="${CAELOR_DATA_DIR_FROM_BIN}")
install(TARGETS caelor-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT cli)
install(FILES ${CMAKE_SOURCE_DIR}/caelor/data/CITIES.DAT ${CMAKE_SOURCE_DIR}/caelor/data/STARS.DAT
        DESTINATION ${CMAKE_INSTALL_DATADIR}/caelor COMPONENT cli)
set(CAELOR_MAN_PAGE ${CMAKE_BINARY_DIR}/caelor-cli.1 CACHE FILEPATH
    "The caelor-cli man page, installed when it exists")
install(FILES ${CAELOR_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT cli OPTIONAL)

if(VARNIXPC_CORE_SOURCES)
    add_library(varnixpc_core STATIC ${VARNIXPC_CORE_SOURCES})
    target_include_directories(varnixpc_core PUBLIC ${CMAKE_SOURCE_DIR}/varnixpc)
    target_compile_options(varnixpc_core PRIVATE ${CAELOR_WARNINGS})
endif()

enable_testing()
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB UNIT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(unit_tests ${UNIT_SOURCES})
target_compile_options(unit_tests PRIVATE ${CAELOR_WARNINGS})
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
target_link_libraries(unit_tests PRIVATE caelor_pure GTest::gtest GTest::gtest_main)
if(TARGET varnixpc_core)
    target_link_libraries(unit_tests PRIVATE varnixpc_core)
endif()
# The Cairo surface is tested on its own, beside the program that uses it.
target_sources(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/caelor/cli/cairo_surface.cpp
                                  ${CMAKE_SOURCE_DIR}/caelor/cli/data_formats.cpp)
target_link_libraries(unit_tests PRIVATE PkgConfig::CAIRO)
target_compile_definitions(unit_tests PRIVATE
    CAELOR_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    CAELOR_CLI_PATH="$<TARGET_FILE:caelor-cli>"
    CAELOR_HELP_SOURCES="${CAELOR_HELP_SOURCE_NAMES}"
    CAELOR_MANUAL_DIR="${HELP_MANUAL_DIR}"
    CAELOR_MAN_PAGE="${HELP_MAN_PAGE}")
add_dependencies(unit_tests caelor-cli help_outputs)
set(CAELOR_TEST_ENV "")
if(CAELOR_SANITIZE)
    set(CAELOR_TEST_ENV
        "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan_suppressions.txt:print_suppressions=0")
endif()
gtest_discover_tests(unit_tests DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${CAELOR_TEST_ENV}")

# Every graph drawn by caelor-cli into build/native/graphs/ for looking at.
add_test(NAME cli.graph_pictures
         COMMAND sh ${CMAKE_SOURCE_DIR}/tests/cli/graph_pictures.sh $<TARGET_FILE:caelor-cli>
                 ${CMAKE_BINARY_DIR}/graphs)
set_tests_properties(cli.graph_pictures PROPERTIES ENVIRONMENT "${CAELOR_TEST_ENV}")

# Every report as CSV, JSON and iCalendar, read by independent readers (Debian's
# python3-jsonschema and python3-icalendar, so the system Python).
add_test(NAME cli.data_formats
         COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/cli/data_formats.py $<TARGET_FILE:caelor-cli>
                 ${CMAKE_SOURCE_DIR})
set_tests_properties(cli.data_formats PROPERTIES ENVIRONMENT "${CAELOR_TEST_ENV}")

# The Debian package and make install, each run as a user would; once, in
# the plain build.
if(NOT CAELOR_SANITIZE)
    add_test(NAME cli.release_package
             COMMAND bash ${CMAKE_SOURCE_DIR}/tests/cli/release_package.sh ${CMAKE_SOURCE_DIR}
                     ${CMAKE_BINARY_DIR})
endif()
# The manual the build wrote: valid HTML, a man page that renders cleanly.
add_test(NAME manual.html_valid
         COMMAND sh ${CMAKE_SOURCE_DIR}/tests/manual/html_valid.sh ${HELP_MANUAL_DIR})
add_test(NAME manual.man_page_renders
         COMMAND sh ${CMAKE_SOURCE_DIR}/tests/manual/man_page_renders.sh ${HELP_MAN_PAGE})

if(NOT CAELOR_SANITIZE)
    find_package(benchmark REQUIRED)
    file(GLOB BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*.cpp)
    add_executable(caelor_bench ${BENCH_SOURCES} ${CMAKE_SOURCE_DIR}/caelor/cli/data_formats.cpp)
    target_compile_options(caelor_bench PRIVATE ${CAELOR_WARNINGS})
    target_link_libraries(caelor_bench PRIVATE caelor_pure benchmark::benchmark
                          benchmark::benchmark_main)
    target_compile_definitions(caelor_bench PRIVATE CAELOR_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
