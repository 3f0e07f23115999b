#!/usr/bin/env bash
# One entry point for building, running, testing and benchmarking on Debian 12.
#   ./do run    install what is missing, build, start the program
#   ./do test   install what is missing, build, run every test
#   ./do bench  install what is missing, build, run the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  poppler-utils fonts-dejavu-core fonts-liberation fonts-urw-base35
  libcups2-dev cups-daemon cups-client
  xvfb xauth
  libasound2-dev
)
BUILD_DIR=${BUILD_DIR:-build}

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD_DIR"
}

case "${1:-}" in
  run)
    install_packages
    build
    shift
    exec "$BUILD_DIR/tessarino" "$@"
    ;;
  test)
    install_packages
    build
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j2
    ;;
  bench)
    install_packages
    build
    # Memory must stay flat as the run grows: compare the two lines.
    for sheets in 10000 100000; do
      "$BUILD_DIR/bench/bench_same_number" "$sheets"
    done
    # Open and save of a job document, averaged over 1,000 of each.
    "$BUILD_DIR/bench/bench_job_file" 1000
    # One read of a 50 MB file of bare line breaks, then 100 reads of a normal settings file.
    "$BUILD_DIR/bench/bench_profile_files" 50
    ;;
  *)
    echo "usage: ./do run|test|bench" >&2
    exit 2
    ;;
esac
