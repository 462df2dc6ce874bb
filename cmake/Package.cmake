# cpack (or `cmake --build build --target package`): a Debian package of the install.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME reeldeck)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(REELDECK_MAINTAINER "Reeldeck developers <maintainers@reeldeck.org>" CACHE STRING
    "The Maintainer of the Debian package")
set(CPACK_PACKAGE_CONTACT ${REELDECK_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop catalogue of a personal video collection")
set(CPACK_PACKAGE_DESCRIPTION
    "Reeldeck keeps a catalogue of a personal video collection in a database\n\
of plain text files: My Videos (title, year, rating, duration, category,\n\
cast, crew, synopsis, a cover image and more) and Wanted Videos, a wish\n\
list. reeldeck-cli reads and writes the same databases from the command\n\
line; reeldeck-vdb is the video database service searched by the Video\n\
Import Wizard.")
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
    "qt6-qpa-plugins, qt6-image-formats-plugins, gstreamer1.0-plugins-base, \
gstreamer1.0-plugins-good, gstreamer1.0-libav, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, xdg-utils")

include(CPack)
