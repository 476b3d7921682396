# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT

# The end-to-end test once more with the program under valgrind's memcheck. Not in a sanitizer
# build, whose program valgrind cannot run. Alone, so that its load does not slow the other
# end-to-end tests past their waits.
if(NOT DRAWDOTS_SANITIZE)
    add_test(NAME memcheck_e2e COMMAND ${CMAKE_CURRENT_LIST_DIR}/memcheck_e2e.sh $<TARGET_FILE:drawdots>)
    set_tests_properties(memcheck_e2e PROPERTIES LABELS valgrind TIMEOUT 600 RUN_SERIAL TRUE)
endif()
