#!/usr/bin/env bash
# Orrindale's one entry for people and CI:
#   ./dev.sh run        install what is needed, build, start the program
#   ./dev.sh test       install what is needed, build, run every test
#   ./dev.sh sanitize   build the tests with AddressSanitizer and UBSan and run them
#   ./dev.sh crash [N]  kill saving processes N times (1000) and check the data file
#   ./dev.sh package    build the Debian package orrindale_<version>_<arch>.deb here
#   ./dev.sh install    only install the Debian packages
#   ./dev.sh build      only build (into build/)
#   ./dev.sh fuzz NAME|all [SECONDS]   build the fuzz targets (clang, libFuzzer) and run one or each
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libgl-dev
  qt6-qpa-plugins qt6-image-formats-plugins libqt6multimedia6 gstreamer1.0-plugins-base
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth ccache trayer xdotool x11-utils
  pulseaudio pulseaudio-utils
  poppler-utils
  libical-dev python3-icalendar python3-dateutil
  desktop-file-utils appstream groff-base man-db dpkg-dev binutils file
  dbus
  clang-14 libfuzzer-14-dev libclang-rt-14-dev
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

# The fuzz targets, their first inputs (the tests' data and files written by
# the program's own save path) and dictionaries; corpora grow in fuzz-corpus/.
FUZZ_TARGETS=(data_file holiday rtf ics_import agenda_options)
FUZZ_DEFAULT_SECONDS=300

fuzz_seeds() { # fuzz_seeds NAME: the folders of first inputs for target NAME
  case "$1" in
    data_file) echo build-fuzz/seeds/data_file ;;
    holiday) echo build-fuzz/seeds/holiday fuzz/seeds/holiday tests/data/fuzz/holiday ;;
    rtf) echo tests/data/rtf tests/data/fuzz/rtf ;;
    ics_import) echo tests/data/ics tests/data/fuzz/ics_import ;;
    agenda_options) echo fuzz/seeds/agenda_options tests/data/fuzz/agenda_options ;;
  esac
}

build_fuzz() {
  configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DORRINDALE_FUZZ=ON -DORRINDALE_TESTS=OFF -DORRINDALE_BENCH=OFF
  cmake --build build-fuzz -j"$(nproc)" --target fuzz_seed_writer "${FUZZ_TARGETS[@]/#/fuzz_}"
  mkdir -p build-fuzz/seeds/data_file build-fuzz/seeds/holiday
  build-fuzz/bin/fuzz_seed_writer build-fuzz/seeds/data_file
  cp packaging/Holiday.txt build-fuzz/seeds/holiday/
}

run_fuzz() { # run_fuzz NAME SECONDS
  local name=$1 seconds=$2 seeds=() dir
  for dir in $(fuzz_seeds "$name"); do [ -d "$dir" ] && seeds+=("$dir"); done
  local dict=()
  [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
  mkdir -p "fuzz-corpus/$name" "fuzz-corpus/$name-findings"
  echo "== fuzz_$name for ${seconds}s"
  # Findings land beside the corpus; a crash, leak, UB or a run over 10 s ends the run.
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="fuzz-corpus/$name-findings/" \
    "${dict[@]}" "fuzz-corpus/$name" "${seeds[@]}"
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
  crash)
    install_packages
    configure build -DCMAKE_BUILD_TYPE=Release
    cmake --build build -j"$(nproc)" --target test_crash_kill
    ORRINDALE_CRASH_KILLS="${2:-1000}" ctest --test-dir build -C Crash -R '^kill_during_save$' \
      --output-on-failure --verbose
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
  fuzz)
    [ $# -ge 2 ] || { sed -n '2,9p' "$0"; exit 2; }
    install_packages
    build_fuzz
    seconds=${3:-$FUZZ_DEFAULT_SECONDS}
    if [ "$2" = all ]; then
      # Every target runs even when one finds something; the status tells.
      failed=()
      for name in "${FUZZ_TARGETS[@]}"; do run_fuzz "$name" "$seconds" || failed+=("$name"); done
      [ ${#failed[@]} -eq 0 ] || { echo "Findings in: ${failed[*]}"; exit 1; }
    else
      run_fuzz "$2" "$seconds"
    fi
    ;;
  *)
    sed -n '2,9p' "$0"
    exit 2
    ;;
esac
