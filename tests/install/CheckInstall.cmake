# Installs the build into a scratch prefix and checks that every installed piece is there.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/reeldeck-cli bin/reeldeck-vdb
    share/reeldeck/cfg/cfg.txt share/reeldeck/cfg/mlh.txt share/reeldeck/help/index.html
    share/reeldeck/demo/demo.rdk share/reeldeck/vdb/films.csv share/reeldeck/res/reeldeck.svg
    share/applications/reeldeck.desktop share/mime/packages/reeldeck.xml
    share/metainfo/org.reeldeck.Reeldeck.metainfo.xml
    share/icons/hicolor/scalable/apps/reeldeck.svg
    share/icons/hicolor/scalable/mimetypes/application-x-reeldeck-database.svg
    share/man/man1/reeldeck.1.gz share/man/man1/reeldeck-cli.1.gz share/doc/reeldeck/changelog.gz
    share/doc/reeldeck/copyright)
if(GUI)
    list(APPEND expected bin/reeldeck bin/reeldeck-pdf)
endif()
if(PNGS)
    list(APPEND expected share/icons/hicolor/48x48/apps/reeldeck.png
                         share/icons/hicolor/256x256/apps/reeldeck.png)
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()

# The installed companion finds the installed data folder and fills the user's from it.
set(ENV{XDG_DATA_HOME} ${PREFIX}/user-data)
unset(ENV{REELDECK_HOME})
execute_process(COMMAND ${PREFIX}/bin/reeldeck-cli info ${PREFIX}/share/reeldeck/demo/demo.rdk
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT result EQUAL 0)
    message(SEND_ERROR "the installed reeldeck-cli failed: ${error}")
endif()
if(NOT EXISTS ${PREFIX}/user-data/reeldeck/cfg/cfg.txt)
    message(SEND_ERROR "the user's program folder was not filled from the installed data")
endif()
