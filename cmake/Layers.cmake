# The program's libraries in layers. Each library lives in one folder under src/
# and names the libraries it uses; it may include headers only from its own
# folder and from the folders of the libraries below it. Configuring fails on an
# include that reaches up or sideways, and so does the test Layers.IncludesStayInTheirLayers
# (cmake/CheckLayers.cmake), which reads the files as they stand when the tests
# run: a new file or a changed include is caught without configuring again.

# morvello_layer(NAME FOLDER [INTERFACE] [SOURCES files...] [USES libraries...]
#                [LINK other targets...])
function(morvello_layer name folder)
    cmake_parse_arguments(L "INTERFACE" "" "SOURCES;USES;LINK" ${ARGN})
    set(allowed ${folder})
    foreach(used IN LISTS L_USES)
        get_property(below GLOBAL PROPERTY MORVELLO_FOLDERS_${used})
        if(NOT below)
            message(FATAL_ERROR "${name} uses ${used}, which is not a layer defined before it")
        endif()
        list(APPEND allowed ${below})
    endforeach()
    list(REMOVE_DUPLICATES allowed)
    set_property(GLOBAL PROPERTY MORVELLO_FOLDERS_${name} ${allowed})
    string(REPLACE ";" "," allowed_line "${allowed}")
    set_property(GLOBAL APPEND PROPERTY MORVELLO_LAYERS "${name} ${folder} ${allowed_line}")
    morvello_check_includes(${name} ${PROJECT_SOURCE_DIR}/src ${folder} "${allowed}")

    set(root ${PROJECT_SOURCE_DIR}/src)
    if(L_INTERFACE)
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${root})
        target_link_libraries(${name} INTERFACE ${L_USES} ${L_LINK})
    else()
        add_library(${name} STATIC ${L_SOURCES})
        target_include_directories(${name} PUBLIC ${root})
        target_link_libraries(${name} PUBLIC ${L_USES} ${L_LINK})
        # The core's hot paths (a headless deal, the Expert's playouts) cross
        # these libraries at every card: optimised builds inline across them.
        set_property(TARGET ${name} PROPERTY INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
    endif()
endfunction()

# Writes the layers defined so far, one "name folder allowed,folders" a line, for
# cmake/CheckLayers.cmake.
function(morvello_write_layers file)
    get_property(layers GLOBAL PROPERTY MORVELLO_LAYERS)
    list(JOIN layers "\n" text)
    file(WRITE ${file} "${text}\n")
endfunction()

# Fails when a file of root/folder includes "other/..." for a folder not allowed.
function(morvello_check_includes name root folder allowed)
    set(depends)
    if(NOT CMAKE_SCRIPT_MODE_FILE)
        set(depends CONFIGURE_DEPENDS)  # a file added or removed configures again
    endif()
    file(GLOB files ${depends} ${root}/${folder}/*.h ${root}/${folder}/*.cpp)
    foreach(file IN LISTS files)
        file(STRINGS ${file} includes REGEX "^#include \"[a-z_]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" included ${line})
            if(NOT included IN_LIST allowed)
                message(FATAL_ERROR "${file}: ${name} may not include ${included}/ "
                                    "(it may use: ${allowed})")
            endif()
        endforeach()
    endforeach()
endfunction()
