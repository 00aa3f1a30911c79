# Fails when a file under SOURCE_ROOT includes a header of a folder that comes later in the folders' order:
# each folder may use only those before it. Run as `cmake -DSOURCE_ROOT=<dir> -P check_includes.cmake`.
#
# The compiler cannot catch this by itself: every library exports the whole source tree as its include
# root, so an upward include of a header-only type would compile.

set(layers geometry shapes import document library dialogs printing help editor app)

if(NOT IS_DIRECTORY "${SOURCE_ROOT}")
    message(FATAL_ERROR "No source folder at '${SOURCE_ROOT}'")
endif()

file(GLOB_RECURSE sources RELATIVE "${SOURCE_ROOT}" "${SOURCE_ROOT}/*.h" "${SOURCE_ROOT}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" folder "${source}")
    list(FIND layers "${folder}" rank)
    if(rank EQUAL -1)
        list(APPEND faults "${source}: its folder has no place in the order (${layers})")
        continue()
    endif()
    file(STRINGS "${SOURCE_ROOT}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" used "${line}")
        list(FIND layers "${used}" usedRank)
        if(usedRank GREATER rank)
            list(APPEND faults "${source}: ${line} (${used} comes after ${folder})")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " listed)
    message(FATAL_ERROR "Upward includes:\n  ${listed}")
endif()
