# cpack -G DEB in the build folder: one Debian package of the installed
# files. Depends comes from the binaries' libraries (dpkg-shlibdeps) and from
# what the program loads at run time without linking it: the GStreamer
# plugins that play WAV files, the Qt SQLite driver and multimedia plugins,
# and a font with the Chinese glyphs.
set(CPACK_PACKAGE_NAME ovelia)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Ovelia developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "list, play and manage two-way radio call recordings")
set(CPACK_PACKAGE_DESCRIPTION
    "Ovelia reads the call recordings that two-way radio equipment writes as WAV
files with a metadata block, lists them in a paged, filterable table, plays
them, and exports, deletes and renames them on disk. ovelia-scan prints the
same list as CSV or JSON for scripts.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Ovelia developers <developers@ovelia.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, libqt5sql5-sqlite, libqt5multimedia5-plugins, fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
