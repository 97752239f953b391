# `cpack -G DEB` in the build directory makes orbilon_<version>_amd64.deb from
# the install rules, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbilon)
set(CPACK_PACKAGE_VENDOR "The Orbilon developers")
set(CPACK_PACKAGE_CONTACT "Orbilon developers <dev@orbilon.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "time travel viewer, with its installer")
set(CPACK_PACKAGE_DESCRIPTION
    "Orbilon shows one moment at a time, anywhere between the year
-15,000,000,000 and the year 15,000,000,000: a picture of its era lit for
the time of day, a segmented clock and date, and a lever that sets the speed
of travel. An autopilot lands on any date, and a timeline browses over 500
events from the Big Bang to the far future.

The package holds the distribution medium and the installer Orbilon Setup
(orbilon-setup), which writes the viewer into a directory of your choice.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ORB_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The libraries the installer and the stored viewer link (Qt 6 among them)
# come from dpkg-shlibdeps. It cannot see what is found at run time:
# - the fonts: the programs ask for Arial, Times New Roman and Liberation
#   Sans by name; fontconfig's metric aliases map the first two onto
#   Liberation Sans and Serif, which fonts-liberation2 provides;
# - Qt's plugins: on Debian 12 the xcb platform plugin and the multimedia
#   backends ship in libqt6gui6 and libqt6multimedia6, which the linked
#   libraries already pull in (qt6-qpa-plugins holds only vnc and a touch
#   plugin, which the programs do not use);
# - a sound server: the sounds go out through PulseAudio's client library,
#   which plays nothing without a server.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio")

include(CPack)
