#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks the tree the way the
# desktop, Debian and other programs see it:
#   check-install.sh BUILD_DIR VERSION
# every path of BUILD_DIR/installed-files.txt is there; libzadad carries its
# soname; the desktop entry and the software centre's description validate
# cleanly; the icons have their sizes; every program has a man page that
# renders without warnings; a program builds against the installed zadad both
# with CMake's find_package and with pkg-config; and the installed Orrindale
# starts, keeps its notes in the user's data directory and takes its starting
# holiday list from the prefix. Exits 77 (skipped) when a tool is missing.
set -euo pipefail

build=$(cd "${1:?usage: check-install.sh BUILD_DIR VERSION}" && pwd)
version=${2:?usage: check-install.sh BUILD_DIR VERSION}
here=$(cd "$(dirname "$0")" && pwd)
list=$build/installed-files.txt

for tool in desktop-file-validate appstreamcli groff pkg-config readelf ldd g++ cmake timeout; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: the install check needs $tool (./dev.sh install puts it in place)"
    exit 77
  fi
done

failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

tmp=$(mktemp -d)
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

check_listed_paths() {
  local path
  while read -r path; do
    [ -e "$prefix/$path" ] || fail "$path is not installed"
  done < <(grep -v -e '^#' -e '^$' "$list")
}

check_library() {
  local lib=$1 major=${version%%.*}
  [ "$(readlink "$prefix/$lib.so.$major")" = "libzadad.so.$version" ] ||
    fail "$lib.so.$major does not lead to libzadad.so.$version"
  [ "$(readlink "$prefix/$lib.so")" = "libzadad.so.$major" ] ||
    fail "$lib.so does not lead to libzadad.so.$major"
  [[ "$(readelf -d "$prefix/$lib.so.$version")" == *"Library soname: [libzadad.so.$major]"* ]] ||
    fail "libzadad.so.$version lacks the soname libzadad.so.$major"
}

# The desktop entry validates, starts an installed program and names an
# installed icon; the description validates strictly and names this version
# and the entry.
check_desktop_files() {
  local entry metainfo output exec icon
  for entry in "$prefix"/share/applications/*.desktop; do
    output=$(desktop-file-validate "$entry" 2>&1 || echo "(failed)")
    [ -z "$output" ] || fail "desktop-file-validate $(basename "$entry"): $output"
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ -x "$prefix/bin/$exec" ] || fail "$(basename "$entry") starts $exec, which is not in bin"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -e "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
      fail "$(basename "$entry") names the icon $icon, which is not in the hicolor theme"
  done
  for metainfo in "$prefix"/share/metainfo/*.metainfo.xml; do
    output=$(appstreamcli validate --no-net --strict "$metainfo" 2>&1) ||
      fail "appstreamcli validate $(basename "$metainfo"): $output"
    grep -q "<release version=\"$version\"" "$metainfo" ||
      fail "$(basename "$metainfo") has no release $version"
    entry=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
    [ -e "$prefix/share/applications/$entry" ] ||
      fail "$(basename "$metainfo") launches $entry, which is not installed"
  done
}

# Each PNG of the theme is a PNG of the size its directory says.
check_icons() {
  local png size width height
  for png in "$prefix"/share/icons/hicolor/*x*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    [ "$(od -An -tx1 -N8 "$png" | tr -d ' ')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    width=$(od -An -tu1 -j16 -N4 "$png" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}')
    height=$(od -An -tu1 -j20 -N4 "$png" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4}')
    [ "${width}x${height}" = "$size" ] || fail "$png is ${width}x${height}, not $size"
  done
  grep -q '<svg' "$prefix"/share/icons/hicolor/scalable/apps/*.svg || fail "the scalable icon is no SVG"
}

check_man_pages() {
  local program page warnings
  for program in "$prefix"/bin/*; do
    page=$prefix/share/man/man1/$(basename "$program").1.gz
    if [ ! -e "$page" ]; then
      fail "$(basename "$program") has no man page"
      continue
    fi
    warnings=$(gzip -dc "$page" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "$(basename "$page") renders with warnings: $warnings"
  done
}

# Builds the consumer program against the installed zadad, runs it and makes
# sure it used the installed library.
check_consumer() {
  local how=$1 binary=$2 libdir=$3 output
  output=$(LD_LIBRARY_PATH=$prefix/$libdir "$binary") || { fail "$how: the program failed"; return; }
  [ "$output" = "$(printf '2024-03-31\n2025-04-20\n2024-11-05')" ] ||
    fail "$how: the program printed $output"
  [[ "$(LD_LIBRARY_PATH=$prefix/$libdir ldd "$binary")" == *"$prefix/$libdir/libzadad.so"* ]] ||
    fail "$how: the program did not load the installed libzadad"
}

check_library_users() {
  local libdir=$1 header
  for header in "$prefix"/include/zadad/*.h; do
    echo "#include <zadad/$(basename "$header")>"
  done > "$tmp/headers.cpp"

  # A sanitized libzadad needs its users built with the same runtime.
  local flags=${ZADAD_USER_FLAGS:-}
  if cmake -S "$here/consumer" -B "$tmp/with-cmake" -DCMAKE_PREFIX_PATH="$prefix" \
       -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" \
       -DHEADERS="$tmp/headers.cpp" >"$tmp/cmake.log" 2>&1 &&
     cmake --build "$tmp/with-cmake" >>"$tmp/cmake.log" 2>&1; then
    check_consumer "find_package" "$tmp/with-cmake/consumer" "$libdir"
  else
    fail "find_package(zadad): $(cat "$tmp/cmake.log")"
  fi

  export PKG_CONFIG_PATH=$prefix/$libdir/pkgconfig
  [ "$(pkg-config --modversion zadad)" = "$version" ] || fail "pkg-config gives another version"
  # shellcheck disable=SC2046,SC2086 # the flags are words of their own
  if g++ -std=c++20 $flags -o "$tmp/with-pkg-config" "$here/consumer/main.cpp" "$tmp/headers.cpp" \
       $(pkg-config --cflags --libs zadad) 2>"$tmp/g++.log"; then
    check_consumer "pkg-config" "$tmp/with-pkg-config" "$libdir"
  else
    fail "pkg-config zadad: $(cat "$tmp/g++.log")"
  fi
}

# The installed program on its own: it starts from the prefix (finding
# libzadad there), copies the starting holiday list from the prefix into the
# user's data directory, and saves its notes there when told to end.
check_installed_program() {
  local data=$tmp/data/orrindale log=$tmp/program.log
  export HOME=$tmp/home XDG_DATA_HOME=$tmp/data XDG_STATE_HOME=$tmp/state
  export XDG_RUNTIME_DIR=$tmp/runtime ORRINDALE_INSTANCE=install-check-$$
  export QT_QPA_PLATFORM=offscreen ORRINDALE_STARTUP_LOG=1
  unset ORRINDALE_HOME
  mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  "$prefix/bin/orrindale" nologo 2>"$log" &
  program_pid=$!
  for _ in $(seq 300); do
    grep -q '^orrindale: ready' "$log" && break
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! grep -q '^orrindale: ready' "$log"; then
    fail "the installed program did not start: $(cat "$log")"
    return
  fi
  cmp -s "$data/Holiday.txt" "$prefix/share/orrindale/Holiday.txt" ||
    fail "the starting holiday list did not come from the prefix into $data"
  env -u ORRINDALE_STARTUP_LOG timeout 60 "$prefix/bin/orrindale" exit || fail "orrindale exit failed"
  timeout 60 tail --pid="$program_pid" -f /dev/null || fail "the installed program did not end"
  program_pid=
  [ -s "$data/Note.Dat" ] || fail "the installed program saved no Note.Dat in $data"
  # The installed agenda reads those notes and finds its PDF printer.
  "$prefix/bin/orrindale-agenda" --days 1 --format tsv >/dev/null ||
    fail "the installed orrindale-agenda did not list the notes"
  "$prefix/bin/orrindale-agenda" --pdf "$tmp/month.pdf" --month 2026-12 &&
    [ "$(head -c 5 "$tmp/month.pdf")" = "%PDF-" ] ||
    fail "the installed orrindale-agenda did not print a month to PDF"
}

libdir=$(dirname "$(grep -m1 '/libzadad.so$' "$list")")
check_listed_paths
check_library "$libdir/libzadad"
check_desktop_files
check_icons
check_man_pages
check_library_users "$libdir"
check_installed_program

if [ "$failures" -ne 0 ]; then
  echo "$failures problem(s) in the install tree" >&2
  exit 1
fi
echo "The install tree under a scratch prefix is complete and usable."
