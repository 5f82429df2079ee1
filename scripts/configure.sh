#!/usr/bin/env bash
# Configures a build folder for the test command, whatever an earlier
# configuration left in its cache (play.sh turns the tests off in build/):
#
#   scripts/configure.sh asan <folder>      sanitized, every test, no benchmarks
#   scripts/configure.sh release <folder>   released, every test and benchmark
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
kind=$1
folder=$2
case "$kind" in
asan)
    cmake -S "$top" -B "$folder" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
          -DORVESSA_SANITIZE=ON -DORVESSA_TESTS=ON -DORVESSA_BENCH=OFF >/dev/null ;;
release)
    cmake -S "$top" -B "$folder" -DCMAKE_BUILD_TYPE=Release -DORVESSA_SANITIZE=OFF \
          -DORVESSA_TESTS=ON -DORVESSA_BENCH=ON >/dev/null ;;
*)
    echo "usage: $0 asan|release <folder>" >&2
    exit 2 ;;
esac
