# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT

# Read by cpack as it makes the package. As Debian's own tools do, the Maintainer is the person
# DEBFULLNAME and DEBEMAIL name (DEBEMAIL may be "Name <address>"); what they leave out comes
# from the project's setting.
if("$ENV{DEBEMAIL}" STREQUAL "" AND "$ENV{DEBFULLNAME}" STREQUAL "")
    return()
endif()
set(name "${CPACK_PACKAGE_CONTACT}")
set(address "")
if(CPACK_PACKAGE_CONTACT MATCHES "^(.*[^ ]) *<(.*)>$")
    set(name "${CMAKE_MATCH_1}")
    set(address "${CMAKE_MATCH_2}")
endif()
if(NOT "$ENV{DEBEMAIL}" STREQUAL "")
    set(address "$ENV{DEBEMAIL}")
    if(address MATCHES "^(.*[^ ]) *<(.*)>$")
        set(name "${CMAKE_MATCH_1}")
        set(address "${CMAKE_MATCH_2}")
    endif()
endif()
if(NOT "$ENV{DEBFULLNAME}" STREQUAL "")
    set(name "$ENV{DEBFULLNAME}")
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${name} <${address}>")
