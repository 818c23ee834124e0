#!/bin/bash
# The Debian package as somebody meets it who installs it: built with cpack in the build folder,
# listed, unpacked with dpkg-deb -x into a temporary folder, its desktop entry and metainfo
# validated there, lintian's verdict and the program's hardening read as a distribution reads
# them, and the unpacked usr/bin/tavrel started on a private Xvfb until the About window maps,
# showing its pictures, carrying an icon and the class the desktop entry names (StartupWMClass),
# and Ctrl+Q ends it with status 0. So the program finds its pictures in ../share/tavrel/ from
# wherever the package is unpacked.
# Usage: check_package.sh BUILD_DIR
set -u

build=${1:?usage: $0 BUILD_DIR}
# A missing tool fails here: CI installs them all, and a skipped package check would pass unseen.
session_tools="cpack dpkg-deb dpkg-shlibdeps file desktop-file-validate appstreamcli lintian readelf xprop xwd od"
missing_tool_status=1
. "$(dirname "$0")/../e2e/desktop_session.sh"
scenario "the Debian package"

# Pixels of the window that are clearly teal or blue, the colours of the pictures' wordmark and
# icon. The window's white ground and grey notice have none, so a window whose pictures did not
# load counts none. Reads the window as xwd writes it: a big-endian header, a colour map, then
# 32-bit pixels in the server's byte order.
picture_pixels() {
  xwd -silent -id "$1" | od -An -tu1 -v | awk '
    function card(at) { return ((b[at] * 256 + b[at + 1]) * 256 + b[at + 2]) * 256 + b[at + 3] }
    { for (i = 1; i <= NF; i++) b[n++] = $i }
    END {
      width = card(16); height = card(20); lsbFirst = card(28) == 0
      if (card(44) != 32) { print "unreadable"; exit }
      perLine = card(48); start = card(0) + card(76) * 12
      for (y = 0; y < height; y++)
        for (x = 0; x < width; x++) {
          p = start + y * perLine + x * 4
          red = lsbFirst ? b[p + 2] : b[p + 1]; blue = lsbFirst ? b[p] : b[p + 3]
          if (blue - red > 40) count++
        }
      print count + 0
    }'
}

# --- the package ---
version=$(awk -F'"' '/^set\(CPACK_PACKAGE_VERSION /{ print $2; exit }' "$build/CPackConfig.cmake")
deb=$build/tavrel_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
[ -f "$deb" ] || fail "cpack made no $deb"
echo "package: $deb"
dpkg-deb --info "$deb" || fail "dpkg-deb --info $deb"
dpkg-deb --contents "$deb" || fail "dpkg-deb --contents $deb"
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 ||
  fail "the package does not depend on the Qt libraries the program links"

root=$work/unpacked
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x $deb"

# --- what the desktop reads, as installed ---
entry=$(echo "$root"/usr/share/applications/*.desktop)
metainfo=$(echo "$root"/usr/share/metainfo/*.metainfo.xml)
id=$(basename "$entry" .desktop)
[ -f "$entry" ] && [ -f "$metainfo" ] || fail "no desktop entry or metainfo in the package"
[ "$(basename "$metainfo" .metainfo.xml)" = "$id" ] || fail "the metainfo is not named after the desktop entry $id"
for size in 64x64 128x128; do
  [ -f "$root/usr/share/icons/hicolor/$size/apps/$id.png" ] || fail "no $size icon named $id in the hicolor theme"
done
# Hints count too: the entry must pass without a word.
report=$(desktop-file-validate "$entry" 2>&1)
[ -z "$report" ] || fail "desktop-file-validate: $report"
echo "desktop-file-validate $(basename "$entry"): clean"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate $(basename "$metainfo")"

# --- what a distribution reads: lintian and the program's hardening ---
program=$root/usr/bin/tavrel
# Errors and warnings fail, and so does any hardening tag whatever its level; the informational
# and pedantic tags left are printed for a reader to judge.
lintian -I --pedantic "$deb" >"$work/lintian.log" 2>"$work/lintian.err" ||
  { cat "$work/lintian.log" "$work/lintian.err" >&2; fail "lintian failed or found errors"; }
echo "lintian -I --pedantic:"
sed 's/^/  /' "$work/lintian.log"
grep -E '^[EW]: |: hardening-' "$work/lintian.log" >&2 && fail "lintian reports the tags above"

# The same hardening, read from the program: relocations read-only and resolved at start, and
# the stack protector's failure handler linked. Prints the lines found.
elf_lines() {  # what, pattern, readelf's output
  local found
  found=$(grep -E "$2" <<<"$3") || fail "the program has no $1"
  sed 's/^ */  /' <<<"$found"
}
symbols=$(readelf --dyn-syms -W "$program")
echo "readelf -lW, -d and --dyn-syms:"
elf_lines "GNU_RELRO segment" 'GNU_RELRO' "$(readelf -lW "$program")"
elf_lines "BIND_NOW flag" '\(FLAGS\).*BIND_NOW|\(FLAGS_1\).* NOW' "$(readelf -d "$program")"
elf_lines "__stack_chk_fail" ' UND __stack_chk_fail@' "$symbols"
# _FORTIFY_SOURCE shows as the checked variants (__*_chk) of the C library's functions, called
# where the compiler knows the size of the target. As for lintian, functions of its list called
# only unchecked fail. memcpy and memmove stay unchecked wherever that size is unknown, so
# lintian leaves them out, and a program that calls nothing else carries no mark of the flag.
checked=$(grep -E ' UND __[a-z0-9_]+_chk@' <<<"$symbols" | grep -v ' __stack_chk_fail@')
unchecked=$(grep -F -f <(sed -n 's/^[a-z_].*/ UND &@/p' /usr/share/lintian/data/binaries/hardened-functions) \
  <<<"$symbols")
if [ -n "$checked" ]; then
  sed 's/^ */  /' <<<"$checked"
elif [ -n "$unchecked" ]; then
  fail "the program calls these without _FORTIFY_SOURCE's checks:
$unchecked"
else
  echo "  no __*_chk: the program calls no C library function of lintian's list, checked or not"
fi

# --- the unpacked program, on the session's own display ---
start_program
about=$(find_about 15) || fail "no lone 388x202 About window within 15 s; visible: $(describe)"
echo "the unpacked program shows its About window ($about)"
# The pictures came from the unpacked folder: the window shows their teal and blue.
for _ in $(seq 50); do
  seen=$(picture_pixels "$about")
  [ "$seen" -gt 0 ] 2>/dev/null && break
  sleep 0.1
done
[ "$seen" -gt 0 ] 2>/dev/null || fail "the About window shows none of its pictures ($seen coloured pixels)"
echo "the About window shows its pictures ($seen coloured pixels)"

# The desktop matches the window to the entry by its class, and shows the window's own icon.
wm_class=$(xprop -id "$about" WM_CLASS | awk -F'"' '{ print $4 }')
startup_class=$(awk -F= '$1 == "StartupWMClass" { print $2 }' "$entry")
echo "WM_CLASS class \"$wm_class\", desktop entry StartupWMClass \"$startup_class\""
[ -n "$wm_class" ] && [ "$wm_class" = "$startup_class" ] || fail "the window's class does not match the desktop entry"
xprop -id "$about" -notype 32c _NET_WM_ICON | grep -q '^_NET_WM_ICON = [1-9]' || fail "the About window carries no icon"

quit_with_ctrl_q "$about"
echo "PASS: package $(basename "$deb")"
