#!/usr/bin/env bash
# The Debian package as a user gets it: built from this build tree, its
# dependencies taken from the libraries the binary links, every file where a
# desktop looks for it, and the installed program starting and saving.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli identify convert groff lintian

step "building the package"
BUILD=$(cd "$(dirname "$QBX")/.." && pwd)
# cpack would first rebuild the tree under the other tests' feet: install what
# is built instead, with cpack's prefix and stripping, into a private folder.
cat >"$T/install.cmake" <<SCRIPT
set(CMAKE_INSTALL_PREFIX "\${CPACK_PACKAGING_INSTALL_PREFIX}")
set(CMAKE_INSTALL_DO_STRIP \${CPACK_STRIP_FILES})
include("$BUILD/cmake_install.cmake")
SCRIPT
(cd "$T" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$T/out" -D CPACK_INSTALL_CMAKE_PROJECTS= \
    -D CPACK_INSTALL_SCRIPTS="$T/install.cmake") >"$T/cpack.log" 2>&1 || fail "cpack failed"
check_eq "packages made" "$(cd "$T/out" && echo *.deb)" "quillbox_1.20_$(dpkg --print-architecture).deb"
DEB=$(echo "$T"/out/*.deb)
check_eq "control fields" "$(dpkg-deb -f "$DEB" Package Version Section Recommends)" \
    $'Package: quillbox\nVersion: 1.20\nSection: utils\nRecommends: libqt6svg6, qt6-translations-l10n'
depends=$(dpkg-deb -f "$DEB" Depends)
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libsqlite3-0; do
    [[ ", $depends," =~ ,\ $lib\ \(\>=\ [^\)]+\), ]] || fail "Depends has no versioned $lib: $depends"
done
pass "Depends names the linked libraries with their versions: $depends"

step "the files in the package"
dpkg-deb -x "$DEB" "$T/root" || fail "dpkg-deb -x failed"
BIN=$T/root/usr/bin/quillbox SHARE=$T/root/usr/share
ID=io.github.quillbox.Quillbox
DESKTOP=$SHARE/applications/$ID.desktop METAINFO=$SHARE/metainfo/$ID.metainfo.xml
MAN=$SHARE/man/man1/quillbox.1.gz
ls "$SHARE/icons/hicolor/scalable/apps/$ID.svg" >/dev/null || fail "the scalable icon is missing from the package"
for size in 32 48 64 128 256; do
    png=$SHARE/icons/hicolor/${size}x$size/apps/$ID.png
    check_eq "the ${size}x$size icon" "$(identify -format '%m %wx%h' "$png")" "PNG ${size}x$size"
    cover=$(convert "$png" -alpha extract -format '%[fx:int(mean*100)]' info:)
    ((cover >= 20 && cover <= 90)) || fail "the ${size}x$size icon is no drawing: it covers $cover% of its square"
done

step "the launcher entry, the description and the manual"
desktop-file-validate "$DESKTOP" >"$T/desktop.log" 2>&1 || fail "desktop-file-validate rejects the launcher entry"
appstreamcli validate --no-net --strict "$METAINFO" >"$T/appstream.log" 2>&1 ||
    fail "appstreamcli validate: $(<"$T/appstream.log")"
# -o: any override the package might ship counts for nothing.
lintian -o --fail-on error,warning "$DEB" >"$T/lintian.log" 2>&1 || fail "lintian: $(<"$T/lintian.log")"
check_eq "Exec and Icon of the launcher entry" "$(grep -E '^(Exec|Icon)=' "$DESKTOP")" $'Exec=quillbox\nIcon='$ID
grep -q "<id>$ID</id>" "$METAINFO" && grep -q "<launchable type=\"desktop-id\">$ID.desktop<" "$METAINFO" ||
    fail "the description does not bear the ID or launch the entry"
grep -q '<release version="1.20" ' "$METAINFO" || fail "the description has no release 1.20"
for page in "$SHARE"/man/{de,fr,es}/man1/quillbox.1.gz "$MAN"; do # English last, for its text; -k as man does
    text=$({ zcat "$page" | groff -k -man -Tutf8 -ww -P-cbou; } 2>"$T/groff.log")
    check_eq "groff warnings for ${page#"$SHARE/"}" "$(<"$T/groff.log")" ""
done
check_eq "sections of the manual" "$(grep -xE 'NAME|SYNOPSIS|DESCRIPTION|FILES|SIGNALS|EXIT STATUS' <<<"$text" | xargs)" \
    "NAME SYNOPSIS DESCRIPTION FILES SIGNALS EXIT STATUS"

step "the command line, with no display at all"
unset DISPLAY # e2e_begin took WAYLAND_DISPLAY already
check_eq "quillbox --version" "$("$BIN" --version)" "quillbox 1.20"
"$BIN" --help | grep -q -- '--version' || fail "quillbox --help lists no --version"
check_eq "quillbox --help in German" "$(LC_ALL=de_DE.UTF-8 "$BIN" --help | sed -n 1,2p)" \
    $'Aufruf: quillbox [Optionen]\nEin kleines Notizprogramm für den Desktop: ein schmales Fenster am Bildschirmrand.'
check_eq "exit status for an unknown option" "$("$BIN" --frobnicate >/dev/null 2>&1; echo $?)" 2

step "the installed program starts, as the launcher entry's window, and saves on SIGHUP"
start_x "$DIR/openbox-rc.xml"
QBX=$BIN start_quillbox
class=$(sed -n 's/^StartupWMClass=//p' "$DESKTOP")
check_eq "window class" "$(xprop -id "$QBX_WID" WM_CLASS)" "WM_CLASS(STRING) = \"$class\", \"$class\""
kill -HUP "$QBX_PID" && expect_exit "$QBX_PID" 10 "SIGHUP"
check_notes
e2e_done
