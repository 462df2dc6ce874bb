# Copies data/ into the program folder beside the built programs. Program files (resources, help,
# default header, tips) follow the sources on every build; files the user changes by running the
# program (the configuration, the print settings, the themes, the demo
# database) are copied only when they are missing, so a rebuild never throws away settings or edits.
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(file IN LISTS files)
    set(from ${SOURCE}/${file})
    set(to ${DEST}/${file})
    if(file MATCHES "^cfg/(cfg|ps)\\.txt$" OR file MATCHES "^(demo|cfg/hls)/")
        if(NOT EXISTS ${to})
            configure_file(${from} ${to} COPYONLY)
        endif()
    else()
        configure_file(${from} ${to} COPYONLY)
    endif()
endforeach()
