include_guard(GLOBAL)
# Compiles generated bitmaps and icons into `target` as Qt resources:
# :/bitmaps/<id>.bmp for each bitmap the bitmap table has LOADS load, and
# :/icons/<ICON_PREFIX>-<size>.png for each icon size. The art generators run
# first.
function(orb_add_art_resources target)
    cmake_parse_arguments(ARG "" "LOADS;ICON_PREFIX" "" ${ARGN})
    if(NOT ORB_BITMAP_IDS_${ARG_LOADS})
        message(FATAL_ERROR "no bitmap in the table is loaded by '${ARG_LOADS}'")
    endif()
    set(bitmaps)
    foreach(id IN LISTS ORB_BITMAP_IDS_${ARG_LOADS})
        list(APPEND bitmaps ${ORB_ART_DIR}/bitmaps/${id}.bmp)
    endforeach()
    set(icons)
    foreach(size IN LISTS ORB_ICON_SIZES)
        list(APPEND icons ${ORB_ART_DIR}/icons/${ARG_ICON_PREFIX}-${size}.png)
    endforeach()
    set_source_files_properties(${bitmaps} ${icons} PROPERTIES GENERATED TRUE)
    qt_add_resources(${target} "${target}_bitmaps" PREFIX "/bitmaps"
                     BASE ${ORB_ART_DIR}/bitmaps FILES ${bitmaps} OUTPUT_TARGETS bitmap_targets)
    qt_add_resources(${target} "${target}_icons" PREFIX "/icons" BASE ${ORB_ART_DIR}/icons
                     FILES ${icons} OUTPUT_TARGETS icon_targets)
    # The resource compiler needs the generated files first.
    foreach(resource_target IN LISTS bitmap_targets icon_targets)
        add_dependencies(${resource_target} orb_art_bitmaps)
    endforeach()
    add_dependencies(${target} orb_art_bitmaps)
endfunction()
