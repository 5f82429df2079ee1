#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz (clang, with AddressSanitizer
# and UndefinedBehaviorSanitizer), makes their seed corpora and runs each
# harness for the given time.
#
#   scripts/fuzz.sh [seconds] [harness...]
#
# seconds: per harness, 600 unless given. Harnesses: wav ogg png font score
# read_line (all unless named). FUZZ_PARALLEL=n runs n harnesses at once
# (default 1); FUZZ_BUILD_JOBS sets the build's -j (default 2).
#
# In build-fuzz/: fuzz/fuzz_<harness> (the fuzzers), seeds/<harness>/ (made
# afresh each time), corpus/<harness>/ (what the fuzzer found worth keeping;
# grows from run to run), findings/<harness>/ (inputs that crashed),
# logs/<harness>.log. Exits non-zero when any harness found a fault.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-600}"
[ $# -gt 0 ] && shift
all=(wav ogg png font score read_line)
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=("${all[@]}")
parallel="${FUZZ_PARALLEL:-1}"
jobs="${FUZZ_BUILD_JOBS:-2}"
fuzz="$top/build-fuzz"
here="$top/tests/fuzz"

# The seeds start from the game's generated pictures, sounds and fonts,
# which the ordinary release build makes.
if [ ! -f "$top/build/assets/Brasswick.ttf" ] || [ ! -d "$top/build/chars" ]; then
    cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$top/build" --target orvessa_assets -j"$jobs"
fi

CC=clang CXX=clang++ cmake -S "$top" -B "$fuzz" -DCMAKE_BUILD_TYPE=Release -DORVESSA_FUZZ=ON \
    -DORVESSA_TESTS=OFF -DORVESSA_BENCH=OFF >/dev/null
cmake --build "$fuzz" --target orvessa_fuzzers -j"$jobs"

assets="$top/build/assets"
chars="$top/build/chars"
berenika=/usr/share/fonts/truetype/klaudia-berenika
seed_files() {
    case "$1" in
    wav) echo "$assets"/*.wav ;;
    ogg) echo "$assets"/*.ogg "$chars"/*.ogg ;;
    png) echo "$assets"/*.png "$chars"/*.png ;;
    font) echo "$fuzz"/font-subsets/*.ttf ;;
    *) ;;
    esac
}
# Inputs past these sizes only slow the search.
max_len() {
    case "$1" in
    wav | ogg | png | font) echo 65536 ;;
    *) echo 4096 ;;
    esac
}

# Whole fonts run to hundreds of kilobytes and make each run slow; the game's
# fonts cut down to the characters the harness draws keep every table at a
# few kilobytes. With hinting instructions and without.
make_font_subsets() {
    local out="$fuzz/font-subsets" text="Orvessa 0123 AWgjy%.,!? éß"
    rm -rf "$out"
    mkdir -p "$out"
    for font in "$assets/Brasswick.ttf" "$berenika/Berenika.ttf" "$berenika/Berenika-Bold.ttf"; do
        local name
        name="$(basename "$font" .ttf)"
        /usr/bin/python3 -m fontTools.subset "$font" --text="$text" \
            --output-file="$out/$name.ttf" 2>/dev/null
        /usr/bin/python3 -m fontTools.subset "$font" --text="$text" --no-hinting \
            --output-file="$out/$name-unhinted.ttf" 2>/dev/null
    done
}

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
export LSAN_OPTIONS="suppressions=$top/tests/support/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

run_one() {
    local h="$1"
    [ "$h" = font ] && make_font_subsets
    rm -rf "$fuzz/seeds/$h"
    # shellcheck disable=SC2046
    "$fuzz/fuzz/fuzz_seeds" "$h" "$fuzz/seeds/$h" $(seed_files "$h") >/dev/null
    mkdir -p "$fuzz/corpus/$h" "$fuzz/findings/$h" "$fuzz/logs"
    local extra=()
    [ -f "$here/dicts/$h.dict" ] && extra+=("-dict=$here/dicts/$h.dict")
    [ "$(max_len "$h")" != 0 ] && extra+=("-max_len=$(max_len "$h")")
    # New inputs go to the first folder; the others are only read.
    local dirs=("$fuzz/corpus/$h" "$fuzz/seeds/$h")
    [ -d "$here/regressions/$h" ] && dirs+=("$here/regressions/$h")
    [ -d "$here/seeds/$h" ] && dirs+=("$here/seeds/$h")
    "$fuzz/fuzz/fuzz_$h" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 \
        -print_final_stats=1 -artifact_prefix="$fuzz/findings/$h/" "${extra[@]}" "${dirs[@]}" \
        >"$fuzz/logs/$h.log" 2>&1
}

declare -A status
pids=()
names=()
for h in "${harnesses[@]}"; do
    if [ ! -x "$fuzz/fuzz/fuzz_$h" ]; then
        echo "fuzz.sh: no harness named $h (have: ${all[*]})" >&2
        exit 2
    fi
    echo "fuzzing $h for ${seconds} s"
    run_one "$h" &
    pids+=($!)
    names+=("$h")
    while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do sleep 1; done
done
for i in "${!pids[@]}"; do
    if wait "${pids[$i]}"; then status[${names[$i]}]=0; else status[${names[$i]}]=$?; fi
done

failed=0
printf '%-10s %10s %9s %7s %7s %7s  %s\n' harness execs exec/s cov ft corpus result
for h in "${names[@]}"; do
    log="$fuzz/logs/$h.log"
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    last=$(grep -E '^#[0-9]+' "$log" | grep -o 'cov: [0-9]* ft: [0-9]* corp: [0-9]*' | tail -1)
    read -r _ cov _ ft _ corp <<<"${last:-x 0 x 0 x 0}"
    if [ "${status[$h]}" = 0 ]; then
        result=clean
    else
        result="FAULT (exit ${status[$h]}): see $log and $fuzz/findings/$h/"
        failed=1
    fi
    printf '%-10s %10s %9s %7s %7s %7s  %s\n' "$h" "${execs:-?}" "${speed:-?}" "$cov" "$ft" "$corp" \
        "$result"
done
if [ "$failed" != 0 ]; then
    echo "Replay a finding: $fuzz/fuzz/fuzz_<harness> <finding file>" >&2
    exit 1
fi
