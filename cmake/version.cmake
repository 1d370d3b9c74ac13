# The release numbers and the publisher from the VERSION file at the top of
# the source tree, as CMake variables (CAELOR_VERSION, VARNIXPC_VERSION,
# PUBLISHER) and as generated/version.h, which the resource files and
# caelor-cli include.

file(STRINGS ${CMAKE_SOURCE_DIR}/VERSION caelor_version_lines REGEX "^[A-Z_]+=")
foreach(line ${caelor_version_lines})
    string(REGEX MATCH "^([A-Z_]+)=(.*)$" unused "${line}")
    set(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
foreach(name CAELOR_VERSION VARNIXPC_VERSION PUBLISHER)
    if("${${name}}" STREQUAL "")
        message(FATAL_ERROR "VERSION does not set ${name}")
    endif()
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/VERSION)

# "2.02" -> "2,2,0,0", the four numbers of a VERSIONINFO block. Leading zeros
# go: the resource compiler would read "02" as an octal number.
function(caelor_version_binary text out)
    string(REPLACE "." ";" parts "${text}")
    list(LENGTH parts count)
    if(count GREATER 4 OR NOT text MATCHES "^[0-9]+(\\.[0-9]+)*$")
        message(FATAL_ERROR "version '${text}' is not up to four dot-separated numbers")
    endif()
    set(numbers)
    foreach(part ${parts})
        string(REGEX REPLACE "^0+([0-9])" "\\1" part "${part}")
        list(APPEND numbers ${part})
    endforeach()
    while(count LESS 4)
        list(APPEND numbers 0)
        math(EXPR count "${count} + 1")
    endwhile()
    string(JOIN "," binary ${numbers})
    set(${out} ${binary} PARENT_SCOPE)
endfunction()

# The release after `text`: its last number one higher, as wide as before
# ("2.02" -> "2.03", "1.6" -> "1.7").
function(caelor_next_version text out)
    string(REGEX MATCH "^(.*[^0-9])?([0-9]+)$" unused "${text}")
    set(head "${CMAKE_MATCH_1}")
    set(last "${CMAKE_MATCH_2}")
    string(LENGTH "${last}" width)
    string(REGEX REPLACE "^0+([0-9])" "\\1" number "${last}")
    math(EXPR number "${number} + 1")
    string(LENGTH "${number}" length)
    while(length LESS width)
        set(number "0${number}")
        math(EXPR length "${length} + 1")
    endwhile()
    set(${out} "${head}${number}" PARENT_SCOPE)
endfunction()

# Writes DIR/version.h for caelor at release `caelor_version` (the launcher's
# and the publisher from VERSION).
function(caelor_write_version_header dir caelor_version)
    set(CAELOR_VERSION_TEXT ${caelor_version})
    caelor_version_binary(${caelor_version} CAELOR_VERSION_BINARY)
    set(VARNIXPC_VERSION_TEXT ${VARNIXPC_VERSION})
    caelor_version_binary(${VARNIXPC_VERSION} VARNIXPC_VERSION_BINARY)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/version.h.in ${dir}/version.h @ONLY)
endfunction()

set(CAELOR_VERSION_INCLUDE_DIR ${CMAKE_BINARY_DIR}/generated/version)
caelor_write_version_header(${CAELOR_VERSION_INCLUDE_DIR} ${CAELOR_VERSION})
