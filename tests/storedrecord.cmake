# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT

# Tests of the window's stored record: no GUI, so it runs anywhere.
add_executable(tst_storedrecord ${CMAKE_CURRENT_LIST_DIR}/tst_storedrecord.cpp)
set_target_properties(tst_storedrecord PROPERTIES AUTOMOC ON)
target_link_libraries(tst_storedrecord PRIVATE storedrecord Qt6::Test)
add_test(NAME tst_storedrecord COMMAND tst_storedrecord)
set_tests_properties(tst_storedrecord PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
