#!/usr/bin/env bash
# Orrindale's one entry for people and CI:
#   ./dev.sh run        install what is needed, build, start the program
#   ./dev.sh test       install what is needed, build, run every test
#   ./dev.sh sanitize   build the tests with AddressSanitizer and UBSan and run them
#   ./dev.sh package    build the Debian package orrindale_<version>_<arch>.deb here
#   ./dev.sh install    only install the Debian packages
#   ./dev.sh build      only build (into build/)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev
  qt6-qpa-plugins qt6-image-formats-plugins libqt6multimedia6 gstreamer1.0-plugins-base
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth ccache
  pulseaudio pulseaudio-utils
  poppler-utils
  libical-dev python3-icalendar python3-dateutil
  desktop-file-utils appstream groff-base man-db dpkg-dev binutils file
  dbus
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -q
  as_root apt-get install -y -q "${missing[@]}"
}

# Paths relative to the checkout, so that another clone hits the same cache.
export CCACHE_BASEDIR="$PWD"

werror=OFF
[ "${CI:-}" = true ] && werror=ON

configure() { # configure DIR [extra cmake args]
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja -DORRINDALE_WERROR=$werror "$@" >/dev/null
}

build() { # build DIR [extra cmake args]: everything, tests and benchmarks too
  configure "$@"
  cmake --build "$1" -j"$(nproc)"
}

run_tests() { # run_tests DIR
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j"$(nproc)"
}

case "${1:-}" in
  install) install_packages ;;
  build) install_packages; build build ;;
  run)
    install_packages
    # Only the program: a user who wants to run it need not wait for the tests.
    configure build -DCMAKE_BUILD_TYPE=Release
    cmake --build build -j"$(nproc)" --target orrindale
    shift
    exec ./build/bin/orrindale "$@"
    ;;
  test)
    install_packages
    build build -DCMAKE_BUILD_TYPE=Release
    run_tests build
    ;;
  sanitize)
    install_packages
    build build-asan -DCMAKE_BUILD_TYPE=Debug -DORRINDALE_SANITIZE=ON -DORRINDALE_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_tests build-asan
    ;;
  package)
    install_packages
    # Only what the package holds, for /usr, in a folder of its own.
    rm -f build-deb/orrindale_*.deb
    build build-deb -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
      -DORRINDALE_TESTS=OFF -DORRINDALE_BENCH=OFF
    (cd build-deb && cpack -G DEB >/dev/null)
    deb=$(basename build-deb/orrindale_*.deb)
    mv "build-deb/$deb" .
    packaging/check-deb.sh "$deb" build-deb/installed-files.txt
    echo "Install it with: sudo apt-get install ./$deb"
    ;;
  *)
    sed -n '2,8p' "$0"
    exit 2
    ;;
esac
