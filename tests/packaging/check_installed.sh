#!/bin/bash
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# Checks what installing the program puts on a machine: the program, which starts, a valid
# desktop entry that names it and its icon, and nothing else.
#
#   check_installed.sh install BUILD_DIR   `cmake --install` into a scratch root
#   check_installed.sh package BUILD_DIR   the Debian package that CPack makes: its dependencies,
#                                          then its files unpacked into a scratch root
#
# CMAKE and CPACK name the tools to use; by default those on the PATH.
set -u

mode=${1:?usage: check_installed.sh install|package BUILD_DIR}
build=${2:?usage: check_installed.sh install|package BUILD_DIR}
cmake=${CMAKE:-cmake}
cpack=${CPACK:-cpack}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-install.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
pass() { echo "ok: $*"; }

for tool in desktop-file-validate dpkg-deb dpkg-shlibdeps rsvg-convert identify; do
    command -v "$tool" >/dev/null || fail "$tool is missing; tools/test installs what the tests need"
done

# The value of KEY in the [Desktop Entry] group of FILE.
entry_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$2" | head -n 1
}

check_root() {
    local expected actual entry program icon colours output status
    expected=$(printf '%s\n' usr/bin/drawdots usr/share/applications/drawdots.desktop \
        usr/share/icons/hicolor/scalable/apps/drawdots.svg)
    actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
    [[ $actual == "$expected" ]] || fail "installed files are"$'\n'"$actual"$'\n'"expected"$'\n'"$expected"
    pass "the program, its desktop entry and its icon are installed, and nothing else"

    entry=$root/usr/share/applications/drawdots.desktop
    output=$(desktop-file-validate "$entry" 2>&1)
    status=$?
    [[ $status -eq 0 && -z $output ]] || fail "desktop-file-validate finds fault with the entry:"$'\n'"$output"
    pass "desktop-file-validate accepts the entry"
    [[ $(entry_value Name "$entry") == "Draw dots" ]] || fail "the entry's Name is not \"Draw dots\""
    [[ -n $(entry_value Comment "$entry") ]] || fail "the entry has no Comment"
    [[ ";$(entry_value Categories "$entry")" == *";Graphics;"* ]] || fail "the entry is not in the Graphics category"
    pass "the menu shows \"Draw dots\" among graphics programs"

    program=$(entry_value Exec "$entry")
    program=${program%% *}
    [[ -x $root/usr/bin/$program && -f $root/usr/bin/$program ]] ||
        fail "the entry starts \"$program\", which is not an installed program"
    icon=$(entry_value Icon "$entry")
    [[ -f $root/usr/share/icons/hicolor/scalable/apps/$icon.svg ]] ||
        fail "the entry's icon \"$icon\" is not installed in the hicolor theme"
    pass "the entry starts the installed program and shows the installed icon"

    # Drawn by the renderer the desktops use for SVG icons. An icon that draws as a blank
    # square has only a colour or two.
    rsvg-convert --width 48 --height 48 --keep-aspect-ratio --format png \
        --output "$scratch/icon.png" "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" \
        2>"$scratch/icon.log" || fail "the icon does not draw: $(cat "$scratch/icon.log")"
    colours=$(identify -format '%k' "$scratch/icon.png" 2>&1) || fail "the drawn icon cannot be read: $colours"
    ((colours > 4)) || fail "the icon draws with $colours colours only"
    pass "the icon draws at 48 pixels with $colours colours"

    # Started as a menu would, it keeps running until ended.
    output=$(QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/$program" 2>&1)
    status=$?
    ((status == 124)) || fail "the installed program ended by itself with status $status:"$'\n'"$output"
    pass "the installed program starts and runs"
}

case $mode in
install)
    DESTDIR=$root "$cmake" --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 ||
        fail "cmake --install failed:"$'\n'"$(cat "$scratch/install.log")"
    check_root
    ;;
package)
    "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
        fail "cpack failed:"$'\n'"$(cat "$scratch/cpack.log")"
    deb=$(find "$scratch/out" -maxdepth 1 -name 'drawdots_*.deb')
    [[ -f $deb ]] || fail "cpack made no drawdots_*.deb"
    pass "CPack made $(basename "$deb")"

    [[ $(dpkg-deb -f "$deb" Package) == drawdots ]] || fail "the package is not called drawdots"
    depends=$(dpkg-deb -f "$deb" Depends)
    [[ $depends == *libqt6widgets6* ]] || fail "Depends does not name the Qt 6 widgets library: $depends"
    pass "Depends: $depends"

    dpkg-deb -x "$deb" "$root" || fail "dpkg-deb could not unpack the package"
    # Every library the program is linked against must come with a package it depends on.
    while read -r library; do
        path=$(ldd "$root/usr/bin/drawdots" | awk -v lib="$library" '$1 == lib { print $3 }')
        [[ -n $path ]] || fail "$library, which the program needs, is not on this machine"
        owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "/usr${path#/usr}" 2>/dev/null || dpkg -S "${path#/usr}" 2>/dev/null)
        owner=${owner%%:*}
        [[ -n $owner ]] || fail "no installed package holds $path"
        [[ ", $depends," == *", $owner "* || ", $depends," == *", $owner,"* ]] ||
            fail "the program needs $library from $owner, which Depends does not name"
    done < <(readelf -d "$root/usr/bin/drawdots" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
    pass "Depends names the package of every library the program is linked against"
    check_root
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS: $mode"
