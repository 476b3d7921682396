# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT

# The window's stored record: compile-time encoder and start-up decoder. Plain C++, no Qt.
add_library(storedrecord STATIC
    ${CMAKE_CURRENT_LIST_DIR}/storedrecord.cpp
    ${CMAKE_CURRENT_LIST_DIR}/storedrecord.h
)
target_include_directories(storedrecord PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_features(storedrecord PUBLIC cxx_std_20)
