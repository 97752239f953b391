include_guard(GLOBAL)
# The files this release installs besides the viewer: each installed name
# followed by the file the build takes it from. The medium stores them, and
# the installation library is handed their sizes (cmake/WriteReleaseFiles.cmake).
set(ORB_RELEASE_FILES
    "LICENSE.txt" "${PROJECT_SOURCE_DIR}/data/LICENSE.txt"
    "README.txt" "${PROJECT_SOURCE_DIR}/data/README.txt"
    "QUICK GUIDE.txt" "${PROJECT_SOURCE_DIR}/data/QUICK GUIDE.txt"
    "TROUBLE SHOOTING.txt" "${PROJECT_SOURCE_DIR}/data/TROUBLE SHOOTING.txt"
    "VERSIONS.txt" "${PROJECT_SOURCE_DIR}/data/VERSIONS.txt"
    "EVENTS.dat" "${PROJECT_SOURCE_DIR}/data/EVENTS.DAT"
    "BEEP.wav" "${ORB_ART_DIR}/sounds/BEEP.wav"
    "AX.wav" "${ORB_ART_DIR}/sounds/AX.wav"
    "ABD.wav" "${ORB_ART_DIR}/sounds/ABD.wav"
    "ABCD.wav" "${ORB_ART_DIR}/sounds/ABCD.wav"
    "ABC.wav" "${ORB_ART_DIR}/sounds/ABC.wav"
    "MAINDISP.gif" "${PROJECT_SOURCE_DIR}/docs/screenshots/travel-screen.gif"
    "TIMELINE.gif" "${PROJECT_SOURCE_DIR}/docs/screenshots/browsing.gif")

# The installed names and their sources of ORB_RELEASE_FILES, as two lists in
# the same order, for `foreach(name source IN ZIP_LISTS names sources)`.
function(orb_release_files names_out sources_out)
    set(names "")
    set(sources "")
    set(pairs ${ORB_RELEASE_FILES})
    while(pairs)
        list(POP_FRONT pairs name source)
        list(APPEND names "${name}")
        list(APPEND sources "${source}")
    endwhile()
    set(${names_out} "${names}" PARENT_SCOPE)
    set(${sources_out} "${sources}" PARENT_SCOPE)
endfunction()

# Where the build assembles the distribution medium.
set(ORB_MEDIUM_DIR ${CMAKE_BINARY_DIR}/medium)

# The name a file has on the medium: its last character replaced by '_'.
function(orb_stored_name installed out)
    string(REGEX REPLACE ".$" "_" stored "${installed}")
    set(${out} "${stored}" PARENT_SCOPE)
endfunction()
