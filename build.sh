#!/usr/bin/env bash
# One command for each job on a Debian 12 machine:
#   ./build.sh run      install what is missing, build the game, start it
#   ./build.sh edit     install what is missing, build the level editor, start it
#   ./build.sh test     install what is missing, build everything, run every test,
#                       then the core, common and editor tests again under the
#                       sanitizers
#   ./build.sh package  install what is missing, build both programs and make
#                       the Debian package build/mibbet_4.0_<arch>.deb
# All of them are incremental and safe to run again.
set -euo pipefail
cd "$(dirname "$0")"

job=${1:-}
case "$job" in
  run|edit|test|package) ;;
  *) echo "usage: $0 run|edit|test|package" >&2; exit 2 ;;
esac

packages=(
  cmake ninja-build clang libclang-rt-14-dev g++ ccache       # compiler and build
  qt6-base-dev qt6-qpa-plugins                                # Qt 6 Widgets
  qt6-multimedia-dev libqt6multimedia6                        # sound: the effects
  libmpg123-dev libpulse-dev                                  # sound: the tune's decoder, the sound server
  libgtest-dev libgmock-dev libbenchmark-dev                  # tests and benchmarks
  xvfb xauth x11-utils xdotool imagemagick                    # the real program under a virtual screen
  openbox                                                     # and under a real window manager
  libxcb1-dev libxcb-xtest0-dev                               # the start-up benchmark watches the X server
  dpkg-dev desktop-file-utils appstream strace                # the package, its menu entries, the installed programs
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi

case "$job" in
  # Only the program asked for and its data: a first start does not wait
  # for the tests, fuzzers and benchmarks.
  run)
    cmake --build build --target Mibbet deploy_data
    exec build/out/Mibbet ;;
  edit)
    cmake --build build --target Tessaly deploy_data
    exec build/out/Tessaly ;;
  package)
    cmake --build build --target Mibbet Tessaly install_docs
    cd build && exec cpack -G DEB ;;
  test)
    cmake --build build
    (cd build && ctest --output-on-failure -j2)
    # The game core, the shared code and the editor with their tests again,
    # under AddressSanitizer and UndefinedBehaviorSanitizer: any memory error, leak or undefined
    # operation fails the run.
    if [ ! -f build-asan/build.ninja ]; then
      cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DMIBBET_SANITIZE=ON
    fi
    cmake --build build-asan --target sanitized_tests
    cd build-asan && exec env ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
      ctest --output-on-failure -j2 ;;
esac
