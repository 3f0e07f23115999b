#!/usr/bin/env bash
# One entry point for building, running, testing and benchmarking on Debian 12.
#   ./do run    install what is missing, build, start the program
#   ./do test   install what is missing, build, run every test
#   ./do bench  install what is missing, build, run the benchmarks
#   ./do sanitize  build with ASan+UBSan, with gcc and with clang, run every test under each,
#                  then fuzz each reader of outside input for FUZZ_SECONDS (60) seconds
#   ./do package  build the Debian package (tests included, as an ordinary user) into build-deb
set -euo pipefail
cd "$(dirname "$0")"

# What the program needs to build and run (all that `./do run` installs).
PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  qt6-l10n-tools qt6-tools-dev  # lupdate and lrelease, and their CMake functions
  poppler-utils fonts-dejavu-core  # pdftoppm draws a designed PDF page for CUPS queues
  libcups2-dev
  shared-mime-info desktop-file-utils  # the first run registers the job files' type
  libasound2-dev
  libzint-dev libqpdf-dev  # codes, PDF designs
)
# What only the tests, the benchmarks and the sanitizer runs need (BUILD_TESTING).
TEST_PACKAGES=(
  fonts-liberation fonts-urw-base35
  cups-daemon cups-client cups-filters cups-ipp-utils dbus-daemon  # a private scheduler, IPP printers
  xvfb xauth
  xdg-utils libfile-mimeinfo-perl  # the tests ask the desktop which program opens a job file
  appstream man-db  # the tests validate the AppStream data and the manual page
  libzxing-dev  # the tests decode printed codes with zxing,
  zbar-tools dmtx-utils  # and with zbarimg and dmtxread too
  qpdf  # the tests look inside the printed PDFs with it
  clang-format  # CI checks that every C++ file is formatted as .clang-format says
  clang libclang-rt-14-dev
  time
)
# What Debian's own tools need to build and check the package.
PACKAGE_TOOLS=(build-essential devscripts debhelper lintian fakeroot)
BUILD_DIR=${BUILD_DIR:-build}
PACKAGE_DIR=${PACKAGE_DIR:-build-deb}

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# build [ON|OFF]: with or without the tests, the benchmarks and the fuzz targets.
build() {
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
    -DBUILD_TESTING="${1:-ON}" >/dev/null
  cmake --build "$BUILD_DIR"
}

# The package is built from a copy of the files git knows (a clean checkout: no build folders),
# as Debian's tools build it. The tests run during that build and must run as an ordinary user,
# so as root the build runs as the unprivileged user tessarino-build, created the first time.
BUILD_USER=tessarino-build
build_package() {
  local out=$1 version work as_user=()
  version=$(sed -n 's/^project(Tessarino VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
  if [ "$(id -u)" -eq 0 ]; then
    id -u "$BUILD_USER" >/dev/null 2>&1 ||
      useradd --system --user-group --create-home --home-dir "/var/lib/$BUILD_USER" \
        --shell /usr/sbin/nologin "$BUILD_USER"
    as_user=(runuser -u "$BUILD_USER" --)
    # Always the same folder, so that ccache recognises the previous build's files.
    work="/var/lib/$BUILD_USER/build"
  else
    work="${XDG_CACHE_HOME:-$HOME/.cache}/tessarino-package"
  fi
  rm -rf "$work"
  local src="$work/tessarino-$version"
  mkdir -p "$src"
  [ ${#as_user[@]} -eq 0 ] || chown "$BUILD_USER:" "$work"
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard | xargs -0 -I{} sh -c '[ -e "$1" ] && printf "%s\0" "$1"' _ {} |
      tar --null -T - -cf - | tar -xf - -C "$src"
  else
    tar --exclude='./build*' --exclude='./obj-*' -cf - . | tar -xf - -C "$src"
  fi
  [ ${#as_user[@]} -eq 0 ] || chown -R "$BUILD_USER:" "$work"
  # ccache (when the environment names one) gets a cache of the build user's own.
  local cache=()
  if [ -n "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && command -v "$CMAKE_CXX_COMPILER_LAUNCHER" >/dev/null; then
    local dir=${CCACHE_DIR:-$HOME/.ccache}
    [ ${#as_user[@]} -eq 0 ] || dir="/var/lib/$BUILD_USER/ccache"
    cache=(CMAKE_CXX_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER" CMAKE_C_COMPILER_LAUNCHER="$CMAKE_CXX_COMPILER_LAUNCHER"
           CCACHE_DIR="$dir" CCACHE_BASEDIR="$work" CCACHE_NOHASHDIR=1 CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-}")
  fi
  local status=0
  (cd "$src" && "${as_user[@]}" env "${cache[@]}" DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage -us -uc -b -jauto) || status=$?
  if [ $status -eq 0 ]; then
    rm -rf "$out"
    mkdir -p "$out"
    cp "$work"/tessarino_"$version"_*.deb "$work"/tessarino_"$version"_*.buildinfo "$out"/
    # lintian must find nothing: no errors, no warnings (overrides say why in a comment).
    "${as_user[@]}" lintian --fail-on error,warning --display-info "$work"/tessarino_"$version"_*.changes || status=$?
  fi
  rm -rf "$work"
  [ $status -eq 0 ] || return $status
  echo "Package: $(ls "$out"/*.deb)"
}

case "${1:-}" in
  run)
    install_packages
    build OFF
    shift
    exec "$BUILD_DIR/tessarino" "$@"
    ;;
  test)
    install_packages "${TEST_PACKAGES[@]}"
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j2
    ;;
  bench)
    install_packages "${TEST_PACKAGES[@]}"
    build
    # Memory must stay flat as the run grows: compare the two lines.
    for sheets in 10000 100000; do
      "$BUILD_DIR/bench/bench_same_number" "$sheets"
    done
    # The same run reporting to the progress window: within 5% of the line above.
    "$BUILD_DIR/bench/bench_same_number" 100000 progress
    # On a calibrated printer: within 5% of the 100,000-sheet line.
    "$BUILD_DIR/bench/bench_same_number" 100000 calibrated
    # Every position as a QR code: at least a third of the text-only rate two lines up.
    "$BUILD_DIR/bench/bench_same_number" 100000 qr
    # Every position in each newer symbology with a check digit, against text only.
    "$BUILD_DIR/bench/bench_same_number" 10000
    for symbology in ean13 upca code39 itf pdf417; do
      "$BUILD_DIR/bench/bench_same_number" 10000 "$symbology"
    done
    # The whole command-line print process, as other batch tools are timed.
    for sheets in 1000 100000; do
      bench/bench_batch.sh "$BUILD_DIR/tessarino" "$sheets"
    done
    # 10,000 sheets over a designed PDF page, against the same run without it.
    "$BUILD_DIR/bench/bench_template" 10000
    # Open and save of a job document, averaged over 1,000 of each.
    "$BUILD_DIR/bench/bench_job_file" 1000
    # The print log window opening a log of 100,000 lines (50,000 runs): under a second.
    "$BUILD_DIR/bench/bench_run_log" 50000
    # One read of a 50 MB file of bare line breaks, then 100 reads of a normal settings file.
    "$BUILD_DIR/bench/bench_profile_files" 50
    # A long run on a driverless IPP queue (ippeveprinter on loopback behind a private
    # scheduler): in parts of the default size, then as one job for 10,000 sheets.
    bench/bench_cups_parts.sh "$BUILD_DIR/tessarino" 100000 1000
    bench/bench_cups_parts.sh "$BUILD_DIR/tessarino" 10000 0
    # A run the printer confirms, on printers of 100 pages a second: the printer's idle time
    # between parts over 20,000 sheets on a queue as set up by default (ippeveprinter takes one
    # job at a time); then on printers that hold the jobs they are sent, behind queues that hand
    # parts over without waiting (under 1 s), on one printer and on a class of two (under 0.6
    # of the time of one).
    bench/bench_printer_runs.sh "$BUILD_DIR/tessarino" 20000 1
    HOLDS_JOBS=1 URI_OPTIONS='?waitjob=false' bench/bench_printer_runs.sh "$BUILD_DIR/tessarino" 20000 1
    HOLDS_JOBS=1 URI_OPTIONS='?waitjob=false' bench/bench_printer_runs.sh "$BUILD_DIR/tessarino" 20000 2
    ;;
  sanitize)
    install_packages "${TEST_PACKAGES[@]}"
    # Any report fails the run: ASan and UBSan abort, LeakSanitizer exits non-zero.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0
    # gcc builds the program `./do run` starts, and its sanitizers find faults clang's miss:
    # every test runs under them.
    gcc_dir=${SANITIZE_GCC_DIR:-build-sanitize-gcc}
    CC=gcc CXX=g++ cmake -S . -B "$gcc_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DTESSARINO_SANITIZE=ON >/dev/null
    cmake --build "$gcc_dir"
    ctest --test-dir "$gcc_dir" --output-on-failure -j2
    # clang: the fuzzers (libFuzzer is clang's), and every test again under clang's sanitizers
    # unless SANITIZE_CLANG_TESTS=0 (CI, for time: it runs the fuzzers' corpora only).
    dir=${SANITIZE_DIR:-build-sanitize}
    fuzz_targets=(fuzz_profile_read fuzz_profile_property fuzz_number_text fuzz_job_file fuzz_registry_store fuzz_run_log)
    # -O1 and line tables only: reports keep their file and line, and the build stays quick.
    CC=clang CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
      -DTESSARINO_SANITIZE=ON -DTESSARINO_LIBFUZZER=ON >/dev/null
    if [ "${SANITIZE_CLANG_TESTS:-1}" = 0 ]; then
      cmake --build "$dir" --target "${fuzz_targets[@]}"
      ctest --test-dir "$dir" --output-on-failure -j2 -R '^fuzz_'
    else
      cmake --build "$dir"
      ctest --test-dir "$dir" --output-on-failure -j2
    fi
    # New inputs grow a corpus inside the build folder; the seeds in the repository stay as
    # they are. A crash or failed property leaves its input in $dir/fuzz-findings.
    mkdir -p "$dir/fuzz-findings"
    for target in "${fuzz_targets[@]}"; do
      corpus=${target#fuzz_}
      mkdir -p "$dir/fuzz-corpus/$corpus"
      echo "Fuzzing $target for ${FUZZ_SECONDS:-60} s"
      QT_QPA_PLATFORM=offscreen "$dir/fuzz/$target" -max_total_time="${FUZZ_SECONDS:-60}" -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$dir/fuzz-findings/$target-" \
        "$dir/fuzz-corpus/$corpus" "fuzz/corpus/$corpus"
    done
    ;;
  package)
    install_packages "${TEST_PACKAGES[@]}" "${PACKAGE_TOOLS[@]}"
    build_package "$PACKAGE_DIR"
    ;;
  *)
    echo "usage: ./do run|test|bench|sanitize|package" >&2
    exit 2
    ;;
esac
