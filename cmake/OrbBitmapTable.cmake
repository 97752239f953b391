include_guard(GLOBAL)
# The bitmap table (art/bitmaps/Bitmaps.table): one row per bitmap, the only
# place its id, name, size and depth are written. The programs' id headers,
# the viewer's list of bitmaps, the resource lists and the generator's list
# are all made from it.

# Reads the table at `path` and sets, in the caller's scope:
#   ORB_BITMAP_IDS                  every id, in the table's order
#   ORB_BITMAP_IDS_<loads>          the ids of one program (viewer, installer)
#   ORB_BITMAP_<id>_NAME, _WIDTH, _HEIGHT, _BITS, _LOADS   one row's fields
# A line that is not a row, or an id or name given twice, stops the configure.
function(orb_read_bitmap_table path)
    file(READ "${path}" text)
    string(REGEX REPLACE "#[^\n]*" "" text "${text}")
    # The lines become a CMake list below; these characters would split or
    # join them behind the check's back.
    foreach(character ";" "[" "]" "\\")
        string(FIND "${text}" "${character}" at)
        if(at GREATER_EQUAL 0)
            message(FATAL_ERROR "${path}: holds a '${character}', which no row has")
        endif()
    endforeach()
    string(REPLACE "\n" ";" lines "${text}")
    set(ids "")
    set(names "")
    set(number 0)
    foreach(line IN LISTS lines)
        math(EXPR number "${number} + 1")
        string(STRIP "${line}" row)
        if(row STREQUAL "")
            continue()
        endif()
        if(NOT row MATCHES "^([1-9][0-9]*)[ \t]+([A-Z][A-Z0-9_]*)[ \t]+([1-9][0-9]*)x([1-9][0-9]*)[ \t]+(4|8|24)[ \t]+(viewer|installer)$")
            message(FATAL_ERROR "${path}:${number}: not a row \"id NAME WIDTHxHEIGHT 4|8|24 "
                                "viewer|installer\": ${row}")
        endif()
        set(id ${CMAKE_MATCH_1})
        set(name ${CMAKE_MATCH_2})
        if(id IN_LIST ids)
            message(FATAL_ERROR "${path}:${number}: id ${id} is already listed")
        endif()
        if(name IN_LIST names)
            message(FATAL_ERROR "${path}:${number}: name ${name} is already listed")
        endif()
        list(APPEND ids ${id})
        list(APPEND names ${name})
        list(APPEND ORB_BITMAP_IDS_${CMAKE_MATCH_6} ${id})
        set(ORB_BITMAP_${id}_NAME ${name} PARENT_SCOPE)
        set(ORB_BITMAP_${id}_WIDTH ${CMAKE_MATCH_3} PARENT_SCOPE)
        set(ORB_BITMAP_${id}_HEIGHT ${CMAKE_MATCH_4} PARENT_SCOPE)
        set(ORB_BITMAP_${id}_BITS ${CMAKE_MATCH_5} PARENT_SCOPE)
        set(ORB_BITMAP_${id}_LOADS ${CMAKE_MATCH_6} PARENT_SCOPE)
    endforeach()
    if(NOT ids)
        message(FATAL_ERROR "${path}: lists no bitmaps")
    endif()
    set(ORB_BITMAP_IDS ${ids} PARENT_SCOPE)
    set(ORB_BITMAP_IDS_viewer ${ORB_BITMAP_IDS_viewer} PARENT_SCOPE)
    set(ORB_BITMAP_IDS_installer ${ORB_BITMAP_IDS_installer} PARENT_SCOPE)
    if(NOT CMAKE_SCRIPT_MODE_FILE)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${path}")
    endif()
endfunction()

# Fills `template` into `output` (configure_file, @ONLY): @ORB_BITMAP_ROWS@
# becomes one line per bitmap that a program of LOADS loads, in the table's
# order, made from ROW with @id@, @name@, @width@, @height@ and @bits@ filled
# in; @ORB_BITMAP_COUNT@ is the number of those lines.
function(orb_configure_bitmap_table template output)
    # PARSE_ARGV keeps the semicolons a C++ row ends with.
    cmake_parse_arguments(PARSE_ARGV 2 ARG "" "ROW" "LOADS")
    set(ORB_BITMAP_ROWS "")
    set(ORB_BITMAP_COUNT 0)
    foreach(id IN LISTS ORB_BITMAP_IDS)
        if(NOT ORB_BITMAP_${id}_LOADS IN_LIST ARG_LOADS)
            continue()
        endif()
        set(name ${ORB_BITMAP_${id}_NAME})
        set(width ${ORB_BITMAP_${id}_WIDTH})
        set(height ${ORB_BITMAP_${id}_HEIGHT})
        set(bits ${ORB_BITMAP_${id}_BITS})
        string(CONFIGURE "${ARG_ROW}" row @ONLY)
        string(APPEND ORB_BITMAP_ROWS "${row}\n")
        math(EXPR ORB_BITMAP_COUNT "${ORB_BITMAP_COUNT} + 1")
    endforeach()
    # Without the last line end: the template puts the rows on a line of their own.
    string(REGEX REPLACE "\n$" "" ORB_BITMAP_ROWS "${ORB_BITMAP_ROWS}")
    configure_file("${template}" "${output}" @ONLY)
endfunction()
