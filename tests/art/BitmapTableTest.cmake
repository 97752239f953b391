# The bitmap table's reader: a good table gives its rows; a bad one stops with
# a message naming the file and line.
#   cmake -DSOURCE_DIR=<source> -DWORK_DIR=<scratch> -P BitmapTableTest.cmake
cmake_minimum_required(VERSION 3.25)
include(${SOURCE_DIR}/cmake/OrbBitmapTable.cmake)
if(DEFINED TABLE)
    # One table, read in a process of its own: a bad one ends it.
    orb_read_bitmap_table(${TABLE})
    message("read ${ORB_BITMAP_IDS_viewer} | ${ORB_BITMAP_IDS_installer} | ${ORB_BITMAP_110_NAME} "
            "${ORB_BITMAP_110_WIDTH}x${ORB_BITMAP_110_HEIGHT} ${ORB_BITMAP_110_BITS}")
    return()
endif()

function(expect text status expected)
    file(WRITE ${WORK_DIR}/bitmaps.table "${text}")
    execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SOURCE_DIR}
                            -DTABLE=${WORK_DIR}/bitmaps.table -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE}
                    RESULT_VARIABLE got OUTPUT_VARIABLE out ERROR_VARIABLE out)
    # CMake wraps long messages.
    string(REGEX REPLACE "[ \n]+" " " out "${out}")
    string(FIND "${out}" "${expected}" at)
    if(NOT got EQUAL status OR at LESS 0)
        message(SEND_ERROR "table \"${text}\": exit ${got}, wanted ${status} and \"${expected}\"; "
                           "said: ${out}")
    endif()
endfunction()

string(CONCAT good "# a comment may hold ; [ ]\n\n110 DIGIT_SMALL_9 20x32 8 viewer # at 110\n"
       "133\tBACKGROUND\t800x600\t24\tinstaller\r\n104  STEP_BACK  160x60  8  viewer\n")
expect("${good}" 0 "read 110;104 | 133 | DIGIT_SMALL_9 20x32 8")
expect("104 STEP_BACK 160x60 16 viewer\n" 1 "bitmaps.table:1: not a row")
expect("104 STEP_BACK 160x60 8 printer\n" 1 "bitmaps.table:1: not a row")
expect("104 A 1x1 8 viewer\n\n104 B 1x1 8 viewer\n" 1 "bitmaps.table:3: id 104 is already listed")
expect("104 A 1x1 8 viewer\n105 A 1x1 8 viewer\n" 1 "bitmaps.table:2: name A is already listed")
expect("104 A 1x1 8 viewer;105 B 1x1 8 viewer\n" 1 "bitmaps.table: holds a ';'")
expect("# nothing but a comment\n" 1 "bitmaps.table: lists no bitmaps")
