# Copies data/ into the program folder beside the built programs. Program files (resources, help,
# default header, tips) follow the sources on every build; files the user changes by running the
# program (the configuration, the demo database) are copied only when they are missing, so a
# rebuild never throws away settings or edits.
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(file IN LISTS files)
    set(from ${SOURCE}/${file})
    set(to ${DEST}/${file})
    if(file STREQUAL "cfg/cfg.txt" OR file MATCHES "^demo/")
        if(NOT EXISTS ${to})
            configure_file(${from} ${to} COPYONLY)
        endif()
    else()
        configure_file(${from} ${to} COPYONLY)
    endif()
endforeach()
