# Run at build time, once the release's files exist: writes a header with each
# installed file's size and the scene numbers of the base installation.
#   cmake -DLIST=FILE -DOUTPUT=HEADER -P WriteReleaseFiles.cmake
# LIST holds lines "file|INSTALLED NAME|SOURCE PATH" and "scene|NN".
file(STRINGS "${LIST}" lines)
set(files "")
set(scenes "")
foreach(line IN LISTS lines)
    if(line MATCHES "^file\\|([^|]+)\\|(.+)$")
        set(name "${CMAKE_MATCH_1}")
        set(source "${CMAKE_MATCH_2}")
        if(NOT EXISTS "${source}")
            message(FATAL_ERROR "the release file ${name} is missing: ${source}")
        endif()
        file(SIZE "${source}" bytes)
        string(APPEND files "    {\"${name}\", ${bytes}},\n")
    elseif(line MATCHES "^scene\\|([0-9][0-9])$")
        string(APPEND scenes "    \"${CMAKE_MATCH_1}\",\n")
    else()
        message(FATAL_ERROR "unreadable line in ${LIST}: ${line}")
    endif()
endforeach()

set(text "// Written by the build from this release's files; do not edit.
#pragma once

#include <cstddef>

namespace orbsetup::release {

struct FileSize {
    const char* name;
    std::size_t bytes;
};

inline constexpr FileSize kFileSizes[] = {
${files}};

inline constexpr const char* kSceneNumbers[] = {
${scenes}};

}  // namespace orbsetup::release
")
# Rewritten only when it changes, so an unchanged release rebuilds nothing.
file(WRITE "${OUTPUT}.new" "${text}")
configure_file("${OUTPUT}.new" "${OUTPUT}" COPYONLY)
file(REMOVE "${OUTPUT}.new")
