# Warnings and sanitizers shared by every target of the project.
add_compile_options(-Wall -Wextra)
if(REELDECK_WERROR)
    add_compile_options(-Werror)
endif()
if(REELDECK_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
if(REELDECK_FUZZ)
    # Every library carries coverage for libFuzzer; only the fuzz programs link its main.
    add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
