# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT

# How the program fits the desktop: accessibility, screen scales and themes.
drawdots_test(tst_desktopaccessibility windowfixture)
drawdots_test(tst_desktoptheme windowfixture)

# One binary, run at each screen scale a desktop commonly offers.
add_executable(tst_desktophighdpi ${CMAKE_CURRENT_LIST_DIR}/tst_desktophighdpi.cpp)
target_link_libraries(tst_desktophighdpi PRIVATE windowfixture Qt6::Test)
foreach(scale 1 1.25 1.5 2)
    add_test(NAME tst_desktophighdpi_x${scale} COMMAND tst_desktophighdpi)
    set_tests_properties(tst_desktophighdpi_x${scale} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;QT_SCALE_FACTOR=${scale}")
endforeach()

# What installing puts on a machine, and the Debian package. Each takes a few seconds; they
# share the build tree's install step, so they never run at once. lintian and hardening-check
# judge only a package built with the release flags, not the sanitizer build.
if(DRAWDOTS_SANITIZE)
    set(release_checks 0)
else()
    set(release_checks 1)
endif()
foreach(mode install package)
    add_test(NAME desktop_${mode}
        COMMAND ${CMAKE_CURRENT_LIST_DIR}/packaging/check_installed.sh ${mode} ${CMAKE_BINARY_DIR})
    set_tests_properties(desktop_${mode} PROPERTIES
        ENVIRONMENT "CMAKE=${CMAKE_COMMAND};CPACK=${CMAKE_CPACK_COMMAND};APP_ID=${DRAWDOTS_APP_ID};RELEASE_CHECKS=${release_checks}"
        RESOURCE_LOCK drawdots_install
        TIMEOUT 120)
endforeach()
