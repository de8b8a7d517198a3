#!/usr/bin/env bash
# The Debian package as a user gets it: built from this build tree, its
# dependencies taken from the libraries the binary links, every file where a
# desktop looks for it, and the installed program starting and saving.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli identify convert; do
    command -v "$tool" >/dev/null || fail "the tool $tool is not installed (scripts/deps --tests)"
done

# The build tree is the nearest folder above the binary with a CMake cache.
BUILD=$(cd "$(dirname "$QBX")" && pwd)
while [[ $BUILD != / && ! -f $BUILD/CMakeCache.txt ]]; do BUILD=$(dirname "$BUILD"); done
[[ -f $BUILD/CPackConfig.cmake ]] || fail "no CPackConfig.cmake above $QBX"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/qbx-e2e-pkg.XXXXXX") || fail "mktemp"
E2E_TMPDIRS+=("$WORK")

step "building the package"
# cpack would first build the whole tree again, under the feet of the other
# tests: install what is built instead, the way cpack itself does (same
# prefix, same stripping), into a private output folder.
cat >"$WORK/install.cmake" <<SCRIPT
set(CMAKE_INSTALL_PREFIX "\${CPACK_PACKAGING_INSTALL_PREFIX}")
if(CPACK_STRIP_FILES)
    set(CMAKE_INSTALL_DO_STRIP 1)
endif()
include("$BUILD/cmake_install.cmake")
SCRIPT
(cd "$WORK" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" \
    -D CPACK_INSTALL_CMAKE_PROJECTS= -D CPACK_INSTALL_SCRIPTS="$WORK/install.cmake") >"$E2E_LOG/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -n 5 "$E2E_LOG/cpack.log")"
debs=("$WORK"/out/*.deb)
check_eq "packages made" "${#debs[@]}" 1
DEB=${debs[0]}
[[ -f $DEB ]] || fail "cpack made no .deb"
check_eq "package file name" "$(basename "$DEB")" "quillbox_1.20_$(dpkg --print-architecture).deb"

step "the package's control fields"
field() { dpkg-deb -f "$DEB" "$1"; }
check_eq "Package" "$(field Package)" quillbox
check_eq "Version" "$(field Version)" 1.20
check_eq "Section" "$(field Section)" utils
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
pass "Maintainer: $(field Maintainer)"
depends=$(field Depends)
echo "   Depends: $depends"
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libsqlite3-0; do
    [[ ", $depends," =~ ,\ $lib\ \(\>=\ [^\)]+\), ]] || fail "Depends has no versioned $lib: $depends"
done
pass "Depends names the linked libraries with their versions"
# Pictures for screens scaled other than 1x or 2x are drawn by Qt's SVG plug-in.
check_eq "Recommends" "$(field Recommends)" libqt6svg6

step "the files in the package"
ROOT=$WORK/root
dpkg-deb -x "$DEB" "$ROOT" || fail "dpkg-deb -x failed"
BIN=$ROOT/usr/bin/quillbox
[[ -x $BIN ]] || fail "no executable usr/bin/quillbox"
pass "usr/bin/quillbox is executable"
missing=$(ldd "$BIN" | grep 'not found')
check_eq "libraries ldd cannot find" "$missing" ""
check_eq "debug sections left in the binary" \
    "$(objdump -h "$BIN" | awk '$2 ~ /^\.debug_/' | wc -l)" 0

DESKTOP=$ROOT/usr/share/applications/quillbox.desktop
METAINFO=$ROOT/usr/share/metainfo/quillbox.metainfo.xml
MAN=$ROOT/usr/share/man/man1/quillbox.1.gz
ICONS=$ROOT/usr/share/icons/hicolor
for f in "$DESKTOP" "$METAINFO" "$MAN" "$ICONS/scalable/apps/quillbox.svg" "$ROOT/usr/share/doc/quillbox/copyright"; do
    [[ -f $f ]] || fail "the package has no ${f#"$ROOT"/}"
done
pass "launcher entry, description, manual, scalable icon and copyright are in place"

for size in 32 48 64 128 256; do
    png=$ICONS/${size}x${size}/apps/quillbox.png
    [[ -f $png ]] || fail "the package has no ${png#"$ROOT"/}"
    check_eq "size of the ${size}x${size} icon" "$(identify -format '%m %wx%h' "$png")" "PNG ${size}x${size}"
    # The drawing leaves its corners clear: neither an empty image nor a
    # filled square.
    cover=$(convert "$png" -alpha extract -format '%[fx:int(mean*100)]' info:)
    ((cover >= 20 && cover <= 90)) || fail "the ${size}x${size} icon covers $cover% of its square"
done
pass "the five raster icons are drawings of their own size"

step "the launcher entry and the description"
desktop-file-validate "$DESKTOP" >"$E2E_LOG/desktop.log" 2>&1 ||
    fail "desktop-file-validate: $(cat "$E2E_LOG/desktop.log")"
pass "desktop-file-validate accepts the launcher entry"
# The id stays the launcher entry's plain name, which the running program
# reports; that one naming hint is all that may be raised.
appstreamcli validate --no-net --strict --override=cid-desktopapp-is-not-rdns=pedantic "$METAINFO" \
    >"$E2E_LOG/appstream.log" 2>&1 || fail "appstreamcli validate: $(cat "$E2E_LOG/appstream.log")"
pass "appstreamcli validate accepts the description"
entry() { sed -n "s/^$1=//p" "$DESKTOP"; }
check_eq "Exec of the launcher entry" "$(entry Exec)" quillbox
check_eq "Icon of the launcher entry" "$(entry Icon)" quillbox
grep -q '<launchable type="desktop-id">quillbox.desktop</launchable>' "$METAINFO" ||
    fail "the description does not launch quillbox.desktop"
grep -q '<release version="1.20" ' "$METAINFO" || fail "the description has no release 1.20"
pass "the description launches the packaged entry and names release 1.20"

step "the manual"
if command -v groff >/dev/null; then
    warnings=$(zcat "$MAN" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
    check_eq "groff warnings for the manual" "$warnings" ""
    text=$(zcat "$MAN" | LC_ALL=C.UTF-8 groff -man -Tutf8 -P-cbou 2>/dev/null)
    for heading in NAME SYNOPSIS DESCRIPTION FILES SIGNALS 'EXIT STATUS'; do
        grep -q "^$heading\$" <<<"$text" || fail "the manual has no $heading section"
    done
    grep -q 'quillbox/settings.db' <<<"$text" || fail "the manual does not say where the notes are kept"
    pass "the manual renders with its sections and names the store"
else
    echo "   skipped: groff is not installed, the manual was not rendered"
fi

step "the installed program starts and saves"
start_x "$E2E_DIR/openbox-rc.xml"
new_home
QBX=$BIN
start_quillbox
check_eq "window class" "$(xprop -id "$QBX_WID" WM_CLASS)" \
    "WM_CLASS(STRING) = \"$(entry StartupWMClass)\", \"$(entry StartupWMClass)\""
close_main
check_store general notetotal 0
check_store general mainlistsize 8
check_eq "mode of the store file" "$(stat -c %a "$DB")" 600

e2e_done
