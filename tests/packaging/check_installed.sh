#!/bin/bash
# SPDX-FileCopyrightText: 2026 Draw dots developers
# SPDX-License-Identifier: MIT
# Checks what installing the program puts on a machine: the program, which starts, a valid
# desktop entry that names it and its icon, valid metainfo, the manual page, the licence and
# changelog, and nothing else.
#
#   check_installed.sh install BUILD_DIR   `cmake --install` into a scratch root
#   check_installed.sh package BUILD_DIR   the Debian package that CPack makes: its dependencies,
#                                          what lintian and hardening-check say of it, then its
#                                          files unpacked into a scratch root
#
# CMAKE and CPACK name the tools to use; by default those on the PATH. APP_ID is the
# application id the build was configured with. RELEASE_CHECKS=0 leaves out lintian and
# hardening-check, for a build made with other flags (the sanitizer build).
set -u

mode=${1:?usage: check_installed.sh install|package BUILD_DIR}
build=${2:?usage: check_installed.sh install|package BUILD_DIR}
cmake=${CMAKE:-cmake}
cpack=${CPACK:-cpack}
id=${APP_ID:?APP_ID names the application id}
release_checks=${RELEASE_CHECKS:-1}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/drawdots-install.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT
root=$scratch/root

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
pass() { echo "ok: $*"; }

for tool in desktop-file-validate dpkg-deb dpkg-shlibdeps rsvg-convert identify appstreamcli man lintian hardening-check; do
    command -v "$tool" >/dev/null || fail "$tool is missing; tools/test installs what the tests need"
done

# The value of KEY in the [Desktop Entry] group of FILE.
entry_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$2" | head -n 1
}

check_root() {
    local expected actual entry program icon colours output status
    expected=$(printf '%s\n' usr/bin/drawdots usr/lib/drawdots/plugins/drawdots-print.so usr/share/applications/$id.desktop \
        usr/share/doc/drawdots/changelog.gz usr/share/doc/drawdots/copyright \
        usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man1/drawdots.1.gz \
        usr/share/metainfo/$id.metainfo.xml | sort)
    actual=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
    [[ $actual == "$expected" ]] || fail "installed files are"$'\n'"$actual"$'\n'"expected"$'\n'"$expected"
    pass "the program, its desktop entry, icon, metainfo, manual page, licence and changelog are installed, and nothing else"

    entry=$root/usr/share/applications/$id.desktop
    output=$(desktop-file-validate "$entry" 2>&1)
    status=$?
    [[ $status -eq 0 && -z $output ]] || fail "desktop-file-validate finds fault with the entry:"$'\n'"$output"
    pass "desktop-file-validate accepts the entry"
    [[ $(entry_value Name "$entry") == "Draw dots" ]] || fail "the entry's Name is not \"Draw dots\""
    [[ -n $(entry_value Comment "$entry") ]] || fail "the entry has no Comment"
    [[ ";$(entry_value Categories "$entry")" == *";Graphics;"* ]] || fail "the entry is not in the Graphics category"
    [[ $(entry_value Terminal "$entry") == false ]] || fail "the entry does not say Terminal=false"
    [[ -n $(entry_value StartupWMClass "$entry") ]] || fail "the entry names no StartupWMClass for its window"
    pass "the menu shows \"Draw dots\" among graphics programs"
    for lang in de:"Punkte zeichnen" fr:"Dessiner des points"; do # the name the window shows in that language
        [[ $(entry_value "Name\\[${lang%%:*}\\]" "$entry") == "${lang#*:}" && -n $(entry_value "Comment\\[${lang%%:*}\\]" "$entry") ]] &&
            grep -q "<name xml:lang=\"${lang%%:*}\">${lang#*:}<" "$root/usr/share/metainfo/$id.metainfo.xml" || fail "no $lang"
    done

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

    # Software centres read the metainfo; the check also finds the desktop entry it launches.
    output=$(appstreamcli validate-tree --no-net "$root" 2>&1)
    status=$?
    [[ $status -eq 0 && -z $(grep -E '^ *[EWI]: ' <<<"$output") ]] ||
        fail "appstreamcli finds fault with the metainfo:"$'\n'"$output"
    pass "appstreamcli validates the metainfo and its desktop entry"

    output=$(man --warnings -l "$root/usr/share/man/man1/drawdots.1.gz" 2>&1 >"$scratch/man.txt")
    [[ -z $output && $(head -n 5 "$scratch/man.txt") == *"drawdots - "* ]] ||
        fail "the manual page does not render cleanly:"$'\n'"$output"
    pass "the manual page renders without warnings"

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
    # The Maintainer is whoever DEBEMAIL names.
    maintainer="Draw dots tester <tester@example.org>"
    DEBEMAIL=$maintainer DEBFULLNAME="" "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" \
        >"$scratch/cpack.log" 2>&1 ||
        fail "cpack failed:"$'\n'"$(cat "$scratch/cpack.log")"
    deb=$(find "$scratch/out" -maxdepth 1 -name 'drawdots_*.deb')
    [[ -f $deb ]] || fail "cpack made no drawdots_*.deb"
    pass "CPack made $(basename "$deb")"

    [[ $(dpkg-deb -f "$deb" Package) == drawdots ]] || fail "the package is not called drawdots"
    depends=$(dpkg-deb -f "$deb" Depends)
    [[ $depends == *libqt6widgets6* ]] || fail "Depends does not name the Qt 6 widgets library: $depends"
    pass "Depends: $depends"
    # Without the first, on a Wayland session with no X server the program cannot start.
    [[ $(dpkg-deb -f "$deb" Recommends) == "qt6-wayland, libqt6svg6, qt6-translations-l10n" ]] ||
        fail "Recommends is not qt6-wayland, libqt6svg6 and qt6-translations-l10n: $(dpkg-deb -f "$deb" Recommends)"
    pass "Recommends qt6-wayland, libqt6svg6 and qt6-translations-l10n"
    [[ $(dpkg-deb -f "$deb" Maintainer) == "$maintainer" ]] ||
        fail "the Maintainer is $(dpkg-deb -f "$deb" Maintainer), not $maintainer from DEBEMAIL"
    pass "Maintainer: $maintainer, from DEBEMAIL"

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

    if ((release_checks)); then
        # Everything lintian says is a fault, down to its pedantic remarks.
        output=$(lintian --pedantic "$deb" 2>"$scratch/lintian.log")
        status=$?
        [[ $status -eq 0 && -z $output ]] ||
            fail "lintian finds fault with the package:"$'\n'"$output$(cat "$scratch/lintian.log")"
        pass "lintian --pedantic has nothing to say of the package"

        # Control flow protection needs every object marked, which Debian 12 does not build.
        output=$(hardening-check --nocfprotection "$root/usr/bin/drawdots" 2>&1)
        status=$?
        for feature in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
            "Read-only relocations" "Immediate binding"; do
            [[ $output == *"$feature: yes"* ]] || status=1
        done
        ((status == 0)) || fail "the packaged program is not hardened (tools/test and tools/package build with" \
            "Debian's hardening flags; see hardening_options in tools/common.sh):"$'\n'"$output"
        pass "hardening-check: PIE, stack protector, fortify, RELRO and immediate binding"
    fi
    check_root
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "PASS: $mode"
