# MinGW-w64 build: caelor.exe, varnixpc.exe and the end-to-end test driver.

enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 1252")

set(WIN_LINK_FLAGS -static -static-libgcc -static-libstdc++)

# The shell's objects define LoadText with LoadString, which the pure
# library's name look-ups resolve to. They are compiled once, as an object
# library: the upgrade fixture below links them too.
file(GLOB CAELOR_SHELL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/caelor/shell/*.cpp)
add_library(caelor_shell OBJECT ${CAELOR_SHELL_SOURCES})
target_compile_options(caelor_shell PRIVATE ${CAELOR_WARNINGS})
target_include_directories(caelor_shell PRIVATE ${CMAKE_SOURCE_DIR}/caelor)
target_link_libraries(caelor_shell PRIVATE caelor_pure)
add_executable(caelor WIN32 ${CMAKE_SOURCE_DIR}/caelor/resources/caelor.rc)
target_include_directories(caelor PRIVATE ${CAELOR_VERSION_INCLUDE_DIR})
target_link_libraries(caelor PRIVATE caelor_shell caelor_pure gdi32 user32 kernel32 comdlg32)
target_link_options(caelor PRIVATE ${WIN_LINK_FLAGS})
# The help resource is written by the build (help.cmake) and taken in whole.
target_include_directories(caelor PRIVATE $<$<COMPILE_LANGUAGE:RC>:${HELP_GEN_DIR}>)
add_dependencies(caelor help_outputs)

# The installer's upgrade test needs a caelor.exe of the next release: the
# same program with its version resource one release on, in
# upgrade-fixture/ with a VERSION file that names that release.
caelor_next_version(${CAELOR_VERSION} CAELOR_FIXTURE_VERSION)
set(CAELOR_FIXTURE_DIR ${CMAKE_BINARY_DIR}/upgrade-fixture)
caelor_write_version_header(${CAELOR_FIXTURE_DIR}/include ${CAELOR_FIXTURE_VERSION})
file(WRITE ${CAELOR_FIXTURE_DIR}/VERSION
     "CAELOR_VERSION=${CAELOR_FIXTURE_VERSION}\nVARNIXPC_VERSION=${VARNIXPC_VERSION}\n"
     "PUBLISHER=${PUBLISHER}\n")
add_executable(caelor_upgrade_fixture WIN32 ${CMAKE_SOURCE_DIR}/caelor/resources/caelor.rc)
set_target_properties(caelor_upgrade_fixture PROPERTIES OUTPUT_NAME caelor
                      RUNTIME_OUTPUT_DIRECTORY ${CAELOR_FIXTURE_DIR})
target_include_directories(caelor_upgrade_fixture PRIVATE ${CAELOR_FIXTURE_DIR}/include)
target_link_libraries(caelor_upgrade_fixture PRIVATE caelor_shell caelor_pure gdi32 user32
                      kernel32 comdlg32)
target_link_options(caelor_upgrade_fixture PRIVATE ${WIN_LINK_FLAGS})
target_include_directories(caelor_upgrade_fixture PRIVATE $<$<COMPILE_LANGUAGE:RC>:${HELP_GEN_DIR}>)
add_dependencies(caelor_upgrade_fixture help_outputs)

file(GLOB VARNIXPC_SOURCES CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/varnixpc/framework/*.cpp ${CMAKE_SOURCE_DIR}/varnixpc/app/*.cpp)
add_executable(varnixpc WIN32 ${VARNIXPC_SOURCES} ${VARNIXPC_CORE_SOURCES}
                              ${CMAKE_SOURCE_DIR}/varnixpc/app/varnixpc.rc)
target_compile_options(varnixpc PRIVATE ${CAELOR_WARNINGS})
# The resource compiler's dependency scan does not see files taken in whole.
set_source_files_properties(${CMAKE_SOURCE_DIR}/caelor/resources/caelor.rc PROPERTIES
                            OBJECT_DEPENDS
                            "${CMAKE_SOURCE_DIR}/caelor/resources/worldmap.bmp;${HELP_GEN_DIR}/caelor_help.txt")
set_source_files_properties(${CMAKE_SOURCE_DIR}/varnixpc/app/varnixpc.rc PROPERTIES
                            OBJECT_DEPENDS ${HELP_GEN_DIR}/varnixpc_help.txt)
# The launcher's help window shows its guide with caelor's reader and topic
# view.
target_sources(varnixpc PRIVATE ${CMAKE_SOURCE_DIR}/caelor/help/help_book.cpp
                                ${CMAKE_SOURCE_DIR}/caelor/help/help_encoding.cpp
                                ${CMAKE_SOURCE_DIR}/caelor/help/help_index.cpp
                                ${CMAKE_SOURCE_DIR}/caelor/help/help_text.cpp
                                ${CMAKE_SOURCE_DIR}/caelor/help/help_layout.cpp
                                ${CMAKE_SOURCE_DIR}/caelor/shell/help_view.cpp)
target_include_directories(varnixpc PRIVATE ${CMAKE_SOURCE_DIR}/varnixpc ${CMAKE_SOURCE_DIR}/caelor
                                            ${CAELOR_VERSION_INCLUDE_DIR}
                                            $<$<COMPILE_LANGUAGE:RC>:${HELP_GEN_DIR}>)
add_dependencies(varnixpc help_outputs)
target_link_libraries(varnixpc PRIVATE gdi32 user32 kernel32 shell32 comdlg32)
target_link_options(varnixpc PRIVATE ${WIN_LINK_FLAGS})

# The end-to-end driver is a console program: it reports on stdout and ends
# with the verdict as its exit code.
file(GLOB DRIVER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/driver/*.cpp)
add_executable(e2e_driver ${DRIVER_SOURCES})
target_compile_options(e2e_driver PRIVATE ${CAELOR_WARNINGS})
target_link_libraries(e2e_driver PRIVATE user32 kernel32 gdi32 winspool version ole32 uuid)
target_link_options(e2e_driver PRIVATE ${WIN_LINK_FLAGS})

# A program for the launcher's tests to start: it leaves a marker file.
add_executable(marker WIN32 ${CMAKE_SOURCE_DIR}/tests/e2e/marker/marker.cpp)
target_compile_options(marker PRIVATE ${CAELOR_WARNINGS})
target_link_options(marker PRIVATE ${WIN_LINK_FLAGS})

enable_testing()
set(CAELOR_CLI "" CACHE FILEPATH "The native caelor-cli, for tests that compare with it")
set(CAELOR_WIN32_DIR "" CACHE PATH "The i686 build tree, whose installer the release test reads")
set(E2E_ENV "BUILD_DIR=${CMAKE_BINARY_DIR}" "SOURCE_DIR=${CMAKE_SOURCE_DIR}"
            "CAELOR_CLI=${CAELOR_CLI}" "CAELOR_WIN32_DIR=${CAELOR_WIN32_DIR}")
file(GLOB E2E_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/test_*.sh)
foreach(script ${E2E_TESTS})
    get_filename_component(name ${script} NAME_WE)
    add_test(NAME e2e.${name} COMMAND bash ${script})
    set_tests_properties(e2e.${name} PROPERTIES ENVIRONMENT "${E2E_ENV}" TIMEOUT 300
                                                RESOURCE_LOCK wine SKIP_RETURN_CODE 77)
endforeach()
