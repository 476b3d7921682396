# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT

# The program read and driven by a real AT-SPI client, as a screen reader meets it: on X11
# (Xvfb with openbox) and natively on Wayland (weston's headless compositor).
foreach(platform x11 wayland)
    add_test(NAME screenreader_${platform}
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_screenreader.sh ${platform} $<TARGET_FILE:drawdots>)
    set_tests_properties(screenreader_${platform} PROPERTIES TIMEOUT 120)
endforeach()
