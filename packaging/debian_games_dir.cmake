# Run by CPack on the staged files of the Debian package: Debian keeps the
# programs of its games in /usr/games, the game's and the server's. The data and
# the module stay where the program finds them from there (../share/morvello,
# ../lib/morvello), and the server's unit starts it from there.
file(GLOB staged_bins "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin"
     "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/usr/bin")
foreach(bin IN LISTS staged_bins)
    get_filename_component(usr "${bin}" DIRECTORY)
    file(MAKE_DIRECTORY "${usr}/games")
    foreach(program morvello morvello-server)
        if(EXISTS "${bin}/${program}")
            file(RENAME "${bin}/${program}" "${usr}/games/${program}")
        endif()
    endforeach()
    set(unit "${usr}/lib/systemd/system/morvello-server.service")
    if(EXISTS "${unit}")
        file(READ "${unit}" text)
        string(REPLACE "/usr/bin/morvello-server" "/usr/games/morvello-server" text "${text}")
        file(WRITE "${unit}" "${text}")
    endif()
    file(GLOB left "${bin}/*")
    if(NOT left)
        file(REMOVE_RECURSE "${bin}")
    endif()
endforeach()
