# The manual pages and the Debian changelog, compressed at build time as a
# Debian package wants them. gzip -n leaves out the name and the time stamp,
# so the same source always gives the same bytes, whatever its mtime.

find_program(GZIP_PROGRAM gzip REQUIRED)

set(ORB_COMPRESSED_DIR ${CMAKE_CURRENT_BINARY_DIR}/compressed)
set(ORB_MANUAL_PAGES orbilon.1 orbilon-setup.1)

# Copies SOURCE to the compressed directory as NAME and compresses it there
# into NAME.gz; the output's path goes onto the list in OUT_LIST.
function(orb_compressed source name out_list)
    set(copy ${ORB_COMPRESSED_DIR}/${name})
    add_custom_command(
        OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ORB_COMPRESSED_DIR}
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND ${GZIP_PROGRAM} -9nf ${copy}
        DEPENDS ${source}
        COMMENT "Compressing ${name}"
        VERBATIM)
    set(${out_list} ${${out_list}} ${copy}.gz PARENT_SCOPE)
endfunction()

set(orb_compressed_files)
foreach(page IN LISTS ORB_MANUAL_PAGES)
    orb_compressed(${CMAKE_CURRENT_SOURCE_DIR}/man/${page} ${page} orb_compressed_files)
    install(FILES ${ORB_COMPRESSED_DIR}/${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
orb_compressed(${CMAKE_CURRENT_SOURCE_DIR}/changelog changelog orb_compressed_files)
install(FILES ${ORB_COMPRESSED_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orbilon)

add_custom_target(orb_manual_pages ALL DEPENDS ${orb_compressed_files})

# The tests check the compressed files against their sources, and the pages
# and the changelog against the release date.
set(ORB_COMPRESSED_DIR ${ORB_COMPRESSED_DIR} PARENT_SCOPE)
set(ORB_RELEASE_DATE ${ORB_RELEASE_DATE} PARENT_SCOPE)
