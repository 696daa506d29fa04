# The layering of src/, checked: every folder is one library at one layer,
# and may include and link only what stands below it in the table here.
# Fails, naming the file, when an include or a link points elsewhere, when
# a folder has no place in the table, or when anything outside the sound
# library reaches libsndfile or libpulse.
#
#   cmake -DSRC=path/to/src -P check-layers.cmake
#
# INJECT_INCLUDE=<folder/file>:<header> and INJECT_LINK=<folder>:<library>
# check the tree as if that file had that include, or that folder's library
# that link: how the tests show that a wrong step is caught.

cmake_minimum_required(VERSION 3.25)

# Each folder, with the folders it builds on directly; what those build on
# it may use too.
set(layers l10n runtime experiment look formkit charts sound results forms app)
set(below_l10n "")
set(below_runtime "")
set(below_experiment runtime)
set(below_look runtime)
set(below_formkit look runtime)
set(below_charts "")
set(below_sound runtime)
set(below_results experiment charts formkit)
set(below_forms results experiment formkit)
set(below_app forms formkit sound l10n)
# The library each folder builds.
set(library_app startup)

if(NOT SRC)
    message(FATAL_ERROR "check-layers: give the source folder as -DSRC=...")
endif()
get_filename_component(SRC "${SRC}" ABSOLUTE)

function(reachable folder out)
    set(result "")
    set(todo ${below_${folder}})
    while(todo)
        list(POP_FRONT todo next)
        if(NOT next IN_LIST result)
            list(APPEND result ${next})
            list(APPEND todo ${below_${next}})
        endif()
    endwhile()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

set(faults 0)
macro(fault text)
    message("check-layers: ${text}")
    math(EXPR faults "${faults} + 1")
endmacro()

# Library names back to their folders.
foreach(folder IN LISTS layers)
    if(library_${folder})
        set(folder_of_${library_${folder}} ${folder})
    else()
        set(folder_of_${folder} ${folder})
    endif()
endforeach()

file(GLOB entries RELATIVE ${SRC} ${SRC}/*)
foreach(folder IN LISTS entries)
    if(NOT IS_DIRECTORY ${SRC}/${folder})
        continue()
    endif()
    if(NOT folder IN_LIST layers)
        fault("src/${folder} has no place in the layering (tools/check-layers.cmake)")
        continue()
    endif()
    reachable(${folder} allowed)
    list(JOIN allowed ", " allowedInWords)
    if(allowed)
        set(allowedInWords "only ${allowedInWords}")
    else()
        set(allowedInWords "none of the other folders")
    endif()

    file(GLOB_RECURSE sources RELATIVE ${SRC} ${SRC}/${folder}/*.h ${SRC}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        file(READ ${SRC}/${source} text)
        if(INJECT_INCLUDE MATCHES "^${source}:(.+)$")
            string(APPEND text "\n#include \"${CMAKE_MATCH_1}\"\n")
        endif()
        string(REGEX MATCHALL "#include[ \t]+[\"<][^\">]+[\">]" includes "${text}")
        foreach(include IN LISTS includes)
            string(REGEX REPLACE "#include[ \t]+[\"<]([^\">]+)[\">]" "\\1" header "${include}")
            if(header MATCHES "^(sndfile\\.h|pulse/)" AND NOT folder STREQUAL "sound")
                fault("src/${source} includes <${header}>: only src/sound may use libsndfile and libpulse")
            endif()
            if(include MATCHES "\"" AND header MATCHES "^([a-z]+)/")
                set(used ${CMAKE_MATCH_1})
                if(NOT used STREQUAL folder AND used IN_LIST layers AND NOT used IN_LIST allowed)
                    fault("src/${source} includes ${header}: src/${folder} may use ${allowedInWords}")
                endif()
            endif()
        endforeach()
    endforeach()

    if(EXISTS ${SRC}/${folder}/CMakeLists.txt)
        file(READ ${SRC}/${folder}/CMakeLists.txt build)
        if(INJECT_LINK MATCHES "^${folder}:(.+)$")
            string(APPEND build "\ntarget_link_libraries(injected PUBLIC ${CMAKE_MATCH_1})\n")
        endif()
        string(REGEX MATCHALL "target_link_libraries\\([^)]*\\)" links "${build}")
        foreach(link IN LISTS links)
            # Past the first argument, the library being linked.
            string(REGEX REPLACE "^target_link_libraries\\([ \t\n]*[^ \t\n)]+" "" linked "${link}")
            string(REGEX MATCHALL "shootalot_[a-z0-9]+|PkgConfig::[A-Z]+|SndFile::[a-z]+" named "${linked}")
            foreach(name IN LISTS named)
                if(name MATCHES "^(PkgConfig::(SNDFILE|PULSE)|SndFile::.*)$" AND NOT folder STREQUAL "sound")
                    fault("src/${folder} links ${name}: only src/sound may use libsndfile and libpulse")
                elseif(name MATCHES "^shootalot_([a-z]+)$")
                    set(used ${folder_of_${CMAKE_MATCH_1}})
                    if(NOT used)
                        fault("src/${folder} links ${name}, which no folder of the layering builds")
                    elseif(NOT used STREQUAL folder AND NOT used IN_LIST allowed)
                        fault("src/${folder} links ${name}: src/${folder} may use ${allowedInWords}")
                    endif()
                endif()
            endforeach()
        endforeach()
    endif()
endforeach()

if(faults GREATER 0)
    message(FATAL_ERROR "check-layers: ${faults} step(s) out of the layering")
endif()
message(STATUS "check-layers: every include and link of src/ points downwards")
