# What `cpack -G DEB` makes of the install rules of packaging/: quillan_VERSION_amd64.deb.

set(CPACK_PACKAGE_NAME quillan)
set(CPACK_PACKAGE_VENDOR "Quillan developers")
set(CPACK_PACKAGE_CONTACT "Quillan developers <quillan@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multimedia course of business English for Polish speakers")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillan - Business English is a desktop course of business English: an exercise\nchart, vocabulary, text, sentence and dialogue exercises with recorded sound,\nrecording of the learner's own voice, results and spaced repetitions.\nThe package holds the program, its dictionary and a demo course.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY quillan)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/quillan")
# The libraries the programs link come from dpkg-shlibdeps; what Qt loads at run time (the
# sound and video decoders of GStreamer) and the fonts the course draws with are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-libav, fonts-dejavu-core, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, gstreamer1.0-pulseaudio")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
