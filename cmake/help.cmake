# The user's guide: caelor-helpgen checks the plain-text sources and makes
# from them the help resources the programs read, the HTML manual in
# manual/ beside the programs and, where caelor-cli is built, its man page.
# The generator runs on the build machine; a cross build compiles it with
# the build machine's own compiler, so every tree makes its manual alone.

set(HELP_GEN_DIR ${CMAKE_BINARY_DIR}/generated)
set(HELP_MANUAL_DIR ${CMAKE_BINARY_DIR}/manual)

# The caelor book in its order: the guide, the menus' topics, the glossary.
set(CAELOR_HELP_SOURCES)
foreach(part guide reports graphs movies dialogs settings glossary accuracy)
    list(APPEND CAELOR_HELP_SOURCES ${CMAKE_SOURCE_DIR}/caelor/help/${part}.txt)
endforeach()
# The same list for the tests, relative to the source tree.
string(REPLACE "${CMAKE_SOURCE_DIR}/" "" CAELOR_HELP_SOURCE_NAMES "${CAELOR_HELP_SOURCES}")
string(REPLACE ";" "," CAELOR_HELP_SOURCE_NAMES "${CAELOR_HELP_SOURCE_NAMES}")
set(LAUNCHER_HELP_SOURCES ${CMAKE_SOURCE_DIR}/varnixpc/app/help/guide.txt)
set(CLI_HELP_SOURCES ${CMAKE_SOURCE_DIR}/caelor/help/cli.txt)

set(HELPGEN_SOURCES
    ${CMAKE_SOURCE_DIR}/tools/helpgen/helpgen.cpp
    ${CMAKE_SOURCE_DIR}/tools/helpgen/cli_manual.cpp
    ${CMAKE_SOURCE_DIR}/tools/helpgen/html_manual.cpp
    ${CMAKE_SOURCE_DIR}/caelor/help/help_book.cpp
    ${CMAKE_SOURCE_DIR}/caelor/help/help_encoding.cpp
    ${CMAKE_SOURCE_DIR}/caelor/help/help_index.cpp
    ${CMAKE_SOURCE_DIR}/caelor/help/help_text.cpp
    ${CMAKE_SOURCE_DIR}/caelor/cli/option_text.cpp)
set(HELPGEN_INCLUDES ${CMAKE_SOURCE_DIR}/caelor ${CMAKE_SOURCE_DIR}/tools/helpgen)

if(CMAKE_CROSSCOMPILING)
    find_program(HOST_CXX NAMES c++ g++ REQUIRED)
    file(GLOB HELPGEN_HEADERS CONFIGURE_DEPENDS
         ${CMAKE_SOURCE_DIR}/tools/helpgen/*.h ${CMAKE_SOURCE_DIR}/caelor/help/*.h)
    list(APPEND HELPGEN_HEADERS
         ${CMAKE_SOURCE_DIR}/caelor/cli/option_table.h ${CMAKE_SOURCE_DIR}/caelor/cli/options.h
         ${CMAKE_SOURCE_DIR}/caelor/engine/location.h ${CMAKE_SOURCE_DIR}/caelor/reports/locale.h
         ${CMAKE_SOURCE_DIR}/caelor/settings/bit_set.h)
    set(HELPGEN ${CMAKE_BINARY_DIR}/host/caelor-helpgen)
    set(host_includes)
    foreach(dir ${HELPGEN_INCLUDES})
        list(APPEND host_includes -I${dir})
    endforeach()
    add_custom_command(OUTPUT ${HELPGEN}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
        COMMAND ${HOST_CXX} -std=c++17 -O1 ${CAELOR_WARNINGS} ${host_includes}
                ${HELPGEN_SOURCES} -o ${HELPGEN}
        DEPENDS ${HELPGEN_SOURCES} ${HELPGEN_HEADERS}
        COMMENT "Building the help generator for the build machine" VERBATIM)
else()
    add_executable(caelor-helpgen ${HELPGEN_SOURCES})
    target_include_directories(caelor-helpgen PRIVATE ${HELPGEN_INCLUDES})
    target_compile_options(caelor-helpgen PRIVATE ${CAELOR_WARNINGS})
    set(HELPGEN caelor-helpgen)
endif()

set(HELP_OUTPUTS ${HELP_GEN_DIR}/caelor_help.txt ${HELP_GEN_DIR}/varnixpc_help.txt
                 ${HELP_MANUAL_DIR}/index.html)
set(HELP_MAN_ARGS)
if(NOT WIN32)
    set(HELP_MAN_PAGE ${CMAKE_BINARY_DIR}/caelor-cli.1)
    list(APPEND HELP_OUTPUTS ${HELP_MAN_PAGE})
    set(HELP_MAN_ARGS --man ${HELP_MAN_PAGE})
endif()
add_custom_command(OUTPUT ${HELP_OUTPUTS}
    COMMAND ${HELPGEN} --caelor ${CAELOR_HELP_SOURCES} --launcher ${LAUNCHER_HELP_SOURCES}
            --cli ${CLI_HELP_SOURCES} --resources ${HELP_GEN_DIR} --manual ${HELP_MANUAL_DIR}
            ${HELP_MAN_ARGS}
    DEPENDS ${HELPGEN} ${CAELOR_HELP_SOURCES} ${LAUNCHER_HELP_SOURCES} ${CLI_HELP_SOURCES}
    COMMENT "Making the help resources, the HTML manual and the man page" VERBATIM)
add_custom_target(help_outputs ALL DEPENDS ${HELP_OUTPUTS})
