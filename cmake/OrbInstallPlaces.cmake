# Where `cmake --install` and the Debian package put things, under the
# prefix: the distribution medium, and the ready installation of the viewer
# made from it. The launchers find them relative to their own place, so the
# installed tree works under any prefix.
include(GNUInstallDirs)
set(ORB_INSTALL_MEDIUMDIR ${CMAKE_INSTALL_LIBEXECDIR}/orbilon/medium
    CACHE STRING "Where the distribution medium is installed, under the prefix")
set(ORB_INSTALL_VIEWERDIR ${CMAKE_INSTALL_LIBEXECDIR}/orbilon/viewer
    CACHE STRING "Where the ready installation of the viewer is made, under the prefix")
# Directories made by the installation get these modes whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# How the installed directory `to` is reached from the installed directory
# `from`: relative while both lie under the prefix, else `to` made absolute
# against the prefix chosen at configure time.
function(orb_install_path_between out from to)
    if(IS_ABSOLUTE "${from}" OR IS_ABSOLUTE "${to}")
        cmake_path(ABSOLUTE_PATH to BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE path)
    else()
        file(RELATIVE_PATH path /prefix/${from} /prefix/${to})
    endif()
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

# Directories that `cmake --install` makes on the way to a file take their
# mode from the umask of whoever installs. So every directory the
# installation uses is made first, here, and each one made gets 0755; those
# that were there already are left as they are. Called before any other
# install rule.
function(orb_install_directories)
    set(directories ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_DATADIR}/applications
                    ${CMAKE_INSTALL_DATADIR}/metainfo ${CMAKE_INSTALL_DATADIR}/doc/orbilon/examples
                    ${CMAKE_INSTALL_MANDIR}/man1 ${ORB_INSTALL_MEDIUMDIR}/DATA
                    ${ORB_INSTALL_VIEWERDIR})
    foreach(size IN LISTS ORB_ICON_SIZES)
        list(APPEND directories ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(CODE "set(orb_directories \"${directories}\")")
    install(CODE [[
        foreach(directory IN LISTS orb_directories)
            if(NOT IS_ABSOLUTE "${directory}")
                set(directory "${CMAKE_INSTALL_PREFIX}/${directory}")
            endif()
            get_filename_component(directory "${directory}" ABSOLUTE)
            string(REPLACE "/" ";" components "${directory}")
            set(path "$ENV{DESTDIR}")
            foreach(component IN LISTS components)
                if(component STREQUAL "")
                    continue()
                endif()
                set(path "${path}/${component}")
                if(NOT EXISTS "${path}")
                    file(MAKE_DIRECTORY "${path}")
                    file(CHMOD "${path}" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE
                         OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
                endif()
            endforeach()
        endforeach()
    ]])
endfunction()
