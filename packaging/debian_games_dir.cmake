# Run by CPack on the staged files of the Debian package: Debian keeps the
# programs of its games in /usr/games. The data and the module stay where the
# program finds them from there (../share/morvello, ../lib/morvello).
file(GLOB staged_program "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/morvello"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/usr/bin/morvello")
foreach(program IN LISTS staged_program)
    get_filename_component(bin "${program}" DIRECTORY)
    get_filename_component(usr "${bin}" DIRECTORY)
    file(MAKE_DIRECTORY "${usr}/games")
    file(RENAME "${program}" "${usr}/games/morvello")
    file(GLOB left "${bin}/*")
    if(NOT left)
        file(REMOVE_RECURSE "${bin}")
    endif()
endforeach()
