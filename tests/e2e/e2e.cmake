# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT

# The end-to-end test drives the built program on a private X display (Xvfb and openbox).
add_test(NAME e2e_draw COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run_e2e.sh $<TARGET_FILE:drawdots>)
set_tests_properties(e2e_draw PROPERTIES TIMEOUT 60)

# Starting without a display.
add_test(NAME e2e_no_display COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run_nodisplay.sh $<TARGET_FILE:drawdots>)
set_tests_properties(e2e_no_display PROPERTIES TIMEOUT 60)
