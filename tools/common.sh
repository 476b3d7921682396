# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT

# Shared by tools/run and tools/test: installs what is missing and builds. Sourced, not run.

# Debian 12 packages the project needs to build, test and run.
readonly PACKAGES=(
    cmake g++ make qt6-base-dev libgl-dev fonts-dejavu-core
    xvfb openbox xdotool xclip imagemagick x11-utils clang-format valgrind
    qt6-svg-dev libxcb1-dev dpkg-dev file desktop-file-utils librsvg2-bin libbenchmark-dev
    dbus at-spi2-core python3-pyatspi orca weston qt6-wayland
    devscripts lintian appstream man-db reuse time
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n gettext
)

install_missing_packages() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Debian's hardening flags, as its own packages are built with them, for the release builds
# (tools/run, tools/test and tools/package). The sanitizer build keeps its own.
hardening_options() {
    local flags="DEB_BUILD_MAINT_OPTIONS=hardening=+all"
    HARDENING=(
        "-DCMAKE_CXX_FLAGS=$(env $flags dpkg-buildflags --get CPPFLAGS) $(env $flags dpkg-buildflags --get CXXFLAGS)"
        "-DCMAKE_EXE_LINKER_FLAGS=$(env $flags dpkg-buildflags --get LDFLAGS)"
        "-DCMAKE_MODULE_LINKER_FLAGS=$(env $flags dpkg-buildflags --get LDFLAGS)"
    )
}

# build DIR [cmake options...]: configures when the options differ from the last time, then
# builds only what changed. Quiet unless the compiler has something to say.
build() {
    local dir=$1
    shift
    local options
    options=$(printf '%s\n' -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@")
    if [ ! -f "$dir/CMakeCache.txt" ] || [ "$options" != "$(cat "$dir/configured-with" 2>/dev/null)" ]; then
        cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
        printf '%s\n' "$options" >"$dir/configured-with"
    fi
    if ! cmake --build "$dir" --parallel "$(nproc)" >"$dir/build.log" 2>&1; then
        grep -E -A3 'error|Error' "$dir/build.log" | head -60
        echo "The build in $dir failed; the whole log is $dir/build.log." >&2
        return 1
    fi
    grep -E -A3 'warning:' "$dir/build.log" || true
}
