#!/usr/bin/env bash
# Installs what is missing, builds everything twice (once under AddressSanitizer
# and UndefinedBehaviorSanitizer, once as released) and runs the whole test
# suite on both builds, with a short run of every fuzzer between the release
# build and its tests. Then the same game for Windows: cross-built, packed
# and tested under Wine (scripts/windows.sh, tests/e2e/windows.sh); last the
# game built for the browser and played there.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/install-packages.sh"
jobs="$(nproc)"
# How long each stage took, printed as it ends, so a slow run shows where.
stage() { echo "== $1 done after $(( SECONDS / 60 )) min $(( SECONDS % 60 )) s"; }

# Drawing runs on Mesa's software OpenGL without a display; sound plays into
# SDL's dummy device. Tests that need a real X server start their own Xvfb.
export SDL_VIDEODRIVER=offscreen
export SDL_AUDIODRIVER=dummy

# Each folder is configured afresh for the whole suite (a folder play.sh
# configured has the tests off), and a run that finds no tests fails.
"$top/scripts/configure.sh" asan "$top/build-asan"
cmake --build "$top/build-asan" -j"$jobs"
ctest --test-dir "$top/build-asan" --output-on-failure --no-tests=error -j"$jobs"
stage "the sanitizer build and its tests"

"$top/scripts/configure.sh" release "$top/build"
cmake --build "$top/build" -j"$jobs"

# Every fuzzing harness for 30 s, two at a time, seeded from the assets the
# release build just made (docs/fuzzing.md). A fault found fails the run.
FUZZ_PARALLEL=2 FUZZ_BUILD_JOBS=2 "$top/scripts/fuzz.sh" 30
stage "the release build and the fuzzers"

ctest --test-dir "$top/build" --output-on-failure --no-tests=error -j"$jobs"
stage "the release build's tests"

# Windows: the cross build (its build-time generators are the release
# build's), the zip and the setup, then their tests under Wine, with the
# release build's tools driving them. Screenshots in build-windows/e2e-artifacts/.
"$top/scripts/windows.sh"
stage "the Windows build and packages"
"$top/tests/e2e/windows.sh" "$top/build-windows" "$top/build" "$top/build-windows/e2e-artifacts"
stage "the Windows tests"

# The browser build (scripts/web.sh, with the release build's art generators)
# and the game end to end in headless Chromium (tests/e2e/web.sh).
ORVESSA_HOST_TOOLS_DIR="$top/build" "$top/scripts/web.sh"
stage "the browser build"
"$top/tests/e2e/web.sh" "$top/build-web" "$top/build" "$top/build-web/e2e-artifacts"
stage "the browser tests"
