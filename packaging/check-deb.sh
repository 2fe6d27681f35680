#!/usr/bin/env bash
# Checks a built Debian package:
#   check-deb.sh PACKAGE.deb INSTALLED_FILES_LIST
# it holds every path of the list under /usr; its dependencies were found
# (Qt and the C library among them); it declares libzadad's soname and asks
# for the linker's cache to be refreshed; and the program carries no run path
# of its own, since the library lies where the system looks.
set -euo pipefail

deb=${1:?usage: check-deb.sh PACKAGE.deb INSTALLED_FILES_LIST}
list=${2:?usage: check-deb.sh PACKAGE.deb INSTALLED_FILES_LIST}
failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# "./usr/bin/orrindale" and, for links, "./usr/lib/.../libzadad.so -> ...".
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
while read -r path; do
  grep -qxF "./usr/$path" <<<"$contents" || fail "$(basename "$deb") lacks /usr/$path"
done < <(grep -v -e '^#' -e '^$' "$list")

depends=$(dpkg-deb --field "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
# libqt6svg6 draws the icons, and only the package can say so.
for needed in libc6 libqt6core6 libqt6widgets6 libqt6svg6; do
  grep -qxF "$needed" <<<"$names" || fail "Depends lacks $needed: $depends"
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb --control "$deb" "$tmp/control"
grep -q '^libzadad 1 orrindale' "$tmp/control/shlibs" 2>/dev/null ||
  fail "the package declares no soname for libzadad"
grep -qs ldconfig "$tmp/control/postinst" "$tmp/control/triggers" ||
  fail "installing the package does not refresh the linker's cache"
dpkg-deb --extract "$deb" "$tmp/root"
[[ "$(readelf -d "$tmp/root/usr/bin/orrindale")" != *PATH* ]] ||
  fail "/usr/bin/orrindale carries a run path"

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in $(basename "$deb")" >&2
  exit 1
fi
echo "$(basename "$deb") holds what an installed Orrindale needs."
