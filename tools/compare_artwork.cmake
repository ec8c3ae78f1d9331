# Runs the generator into FRESH and fails unless it wrote exactly the images and the
# resource list committed in COMMITTED, byte for byte.
#   cmake -DARTGEN=<generator> -DCOMMITTED=<res folder> -DFRESH=<scratch folder> -P compare_artwork.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${FRESH}")
execute_process(COMMAND "${ARTGEN}" "${FRESH}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${status}")
endif()

file(GLOB_RECURSE fresh RELATIVE "${FRESH}" "${FRESH}/*.png" "${FRESH}/*.qrc")
file(GLOB_RECURSE committed RELATIVE "${COMMITTED}" "${COMMITTED}/*.png" "${COMMITTED}/*.qrc")
list(SORT fresh)
list(SORT committed)

set(problems "")
foreach(file IN LISTS fresh)
    if(NOT file IN_LIST committed)
        list(APPEND problems "not committed: ${file}")
    else()
        execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${FRESH}/${file}"
                                "${COMMITTED}/${file}" RESULT_VARIABLE differs)
        if(NOT differs EQUAL 0)
            list(APPEND problems "differs from the generator: ${file}")
        endif()
    endif()
endforeach()
foreach(file IN LISTS committed)
    if(NOT file IN_LIST fresh)
        list(APPEND problems "no longer generated: ${file}")
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n  " report)
    message(FATAL_ERROR "res/ is out of step with tools/artgen; rerun kelmora_artgen res:\n  ${report}")
endif()
