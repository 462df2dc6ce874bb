# cpack (or `cmake --build build --target package`): a Debian package of the install.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reeldeck)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Reeldeck developers <reeldeck@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop catalogue of a personal video collection")
set(CPACK_PACKAGE_DESCRIPTION
    "Reeldeck keeps a catalogue of a personal video collection in a database of plain text\n\
files: My Videos (title, year, rating, duration, category, cast, crew, synopsis, a cover\n\
image and more) and Wanted Videos, a wish list. reeldeck-cli reads and writes the same\n\
databases from the command line; reeldeck-vdb is the video database service searched by\n\
the Video Import Wizard.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to the library scan: Qt's platform, image format and
# multimedia plug-ins, the GStreamer elements the player plays through, the fonts printed pages
# and drawn posters use.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, libqt6svg6, gstreamer1.0-plugins-base, \
gstreamer1.0-plugins-good, gstreamer1.0-libav, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, xdg-utils")

include(CPack)
