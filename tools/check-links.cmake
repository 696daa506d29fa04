cmake_minimum_required(VERSION 3.25)
# Every link of the project's Markdown files that points into the project
# leads to a file or folder that is there. Links to the web are not
# followed (CI has no network to spare).
#
#   cmake -DROOT=path/to/project -P check-links.cmake
#
# INJECT=<file.md>:<target> checks the files as if that one also linked to
# that target: how the tests show that a broken link is caught.

if(NOT ROOT)
    message(FATAL_ERROR "check-links: give the project's folder as -DROOT=...")
endif()
get_filename_component(ROOT "${ROOT}" ABSOLUTE)

file(GLOB_RECURSE documents RELATIVE ${ROOT} ${ROOT}/*.md)
list(FILTER documents EXCLUDE REGEX "^(build[^/]*|\\.git)/")
set(faults 0)
set(checked 0)
foreach(document IN LISTS documents)
    file(READ ${ROOT}/${document} text)
    if(INJECT MATCHES "^${document}:(.+)$")
        string(APPEND text "\n[injected](${CMAKE_MATCH_1})\n")
    endif()
    get_filename_component(folder ${ROOT}/${document} DIRECTORY)
    # Brackets and semicolons mean something to CMake's lists: out of the way.
    string(REPLACE ";" "," text "${text}")
    string(REPLACE "[" "{" text "${text}")
    string(REPLACE "]" "}" text "${text}")
    string(REGEX MATCHALL "}\\([^) \t\n]+\\)" links "${text}")
    foreach(link IN LISTS links)
        string(REGEX REPLACE "^}\\(([^)]+)\\)$" "\\1" target "${link}")
        if(target MATCHES "^[a-z]+:" OR target MATCHES "^#")
            continue() # the web, mail, or a heading of the same page
        endif()
        string(REGEX REPLACE "#.*$" "" path "${target}")
        math(EXPR checked "${checked} + 1")
        if(NOT EXISTS ${folder}/${path})
            message("check-links: ${document} links to ${target}, which is not there")
            math(EXPR faults "${faults} + 1")
        endif()
    endforeach()
endforeach()

if(faults GREATER 0)
    message(FATAL_ERROR "check-links: ${faults} broken link(s)")
endif()
message(STATUS "check-links: all ${checked} links into the project lead somewhere")
