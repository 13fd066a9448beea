# SPDX-License-Identifier: MIT
# Every screen state looks exactly as its committed picture: the screenshots tool plays the real
# screens into OUT, and each picture must equal its twin in EXPECTED, pixel for pixel.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
execute_process(COMMAND ${TOOL} ${OUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the screenshots tool failed (${status})")
endif()
foreach(screen menu right-answer wrong-answer completed about)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${screen}.png
                            ${EXPECTED}/${screen}.png RESULT_VARIABLE differs)
    if(differs)
        list(APPEND changed ${screen})
    endif()
endforeach()
if(changed)
    message(FATAL_ERROR "These screens no longer look as docs/screenshots shows them: ${changed}. "
                        "Compare ${OUT} with docs/screenshots; if the change is meant, run "
                        "cmake --build build --target screenshots and commit the pictures.")
endif()
