# cmake --install: the programs, the program's data folder, and what lets a Linux desktop
# show and start it (desktop entry, MIME package, icons, AppStream metadata, manual pages).
set(REELDECK_PACKAGING ${CMAKE_SOURCE_DIR}/packaging)

set(reeldeck_programs reeldeck-cli reeldeck-vdb)
if(TARGET reeldeck)
    list(APPEND reeldeck_programs reeldeck reeldeck-pdf)
endif()
install(TARGETS ${reeldeck_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${REELDECK_DATA_SOURCE}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/reeldeck)

install(FILES ${REELDECK_PACKAGING}/reeldeck.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${REELDECK_PACKAGING}/reeldeck.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${REELDECK_PACKAGING}/org.reeldeck.Reeldeck.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Icons: the program's and one per file type (the names the program registers itself).
set(reeldeck_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${REELDECK_DATA_SOURCE}/res/reeldeck.svg DESTINATION ${reeldeck_icons}/scalable/apps)
foreach(type access header image-path sort-state wanted database)
    set(icon dbmisc.svg)
    if(type STREQUAL "database")
        set(icon dbexe.svg)
    endif()
    install(FILES ${REELDECK_DATA_SOURCE}/res/${icon} DESTINATION ${reeldeck_icons}/scalable/mimetypes
            RENAME application-x-reeldeck-${type}.svg)
endforeach()

# Fixed sizes for desktops and menus that do not draw SVG icons, when a renderer is at hand.
find_program(RSVG_CONVERT rsvg-convert)
find_program(MAGICK_CONVERT NAMES magick convert)
set(REELDECK_ICON_SIZES 16 24 32 48 64 128 256)
set(reeldeck_pngs)
foreach(size IN LISTS REELDECK_ICON_SIZES)
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/reeldeck.png)
    if(RSVG_CONVERT)
        set(render ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${REELDECK_DATA_SOURCE}/res/reeldeck.svg)
    elseif(MAGICK_CONVERT)
        set(render ${MAGICK_CONVERT} -background none -density 384 ${REELDECK_DATA_SOURCE}/res/reeldeck.svg
                   -resize ${size}x${size} ${png})
    else()
        break()
    endif()
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${render}
        DEPENDS ${REELDECK_DATA_SOURCE}/res/reeldeck.svg VERBATIM)
    list(APPEND reeldeck_pngs ${png})
    install(FILES ${png} DESTINATION ${reeldeck_icons}/${size}x${size}/apps)
endforeach()
if(NOT reeldeck_pngs)
    message(STATUS "Neither rsvg-convert nor ImageMagick found: installing the scalable icon only")
endif()

# Manual pages and the changelog, compressed as Debian wants them.
find_program(GZIP gzip REQUIRED)
set(reeldeck_gzipped)
function(reeldeck_install_gzipped source destination)
    get_filename_component(name ${source} NAME)
    set(gz ${CMAKE_BINARY_DIR}/gz/${name}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/gz
        COMMAND ${GZIP} -9nc ${source} > ${gz}
        DEPENDS ${source})
    set(reeldeck_gzipped ${reeldeck_gzipped} ${gz} PARENT_SCOPE)
    install(FILES ${gz} DESTINATION ${destination})
endfunction()
foreach(page reeldeck reeldeck-cli reeldeck-pdf reeldeck-vdb)
    reeldeck_install_gzipped(${REELDECK_PACKAGING}/man/${page}.1 ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
# A package's documentation folder holds its copyright and changelog.
reeldeck_install_gzipped(${REELDECK_PACKAGING}/changelog ${CMAKE_INSTALL_DATADIR}/doc/reeldeck)
install(FILES ${REELDECK_PACKAGING}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/reeldeck)

add_custom_target(install_files ALL DEPENDS ${reeldeck_pngs} ${reeldeck_gzipped})

# The install test: a real install into a scratch prefix, then a look at what landed.
add_test(NAME install_layout
    COMMAND ${CMAKE_COMMAND} -DBUILD=${CMAKE_BINARY_DIR} -DPREFIX=${CMAKE_BINARY_DIR}/install-test
            -DGUI=$<TARGET_EXISTS:reeldeck> -DPNGS=$<BOOL:${reeldeck_pngs}>
            -P ${CMAKE_SOURCE_DIR}/tests/install/CheckInstall.cmake)
set_tests_properties(install_layout PROPERTIES LABELS install)
