#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs each for SECONDS seconds,
# starting from its seed corpus in fuzz/corpus/<target>. New inputs go to
# build/fuzz/corpus/<target>, an input that fails to build/fuzz/artifacts/,
# and libFuzzer's full output to build/fuzz/<target>.log.
#   fuzz/run.sh SECONDS [TARGET...]      targets: amount deadline ini rate_table rate_history official_calendar
#                                         case_file local_standards
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:?usage: fuzz/run.sh SECONDS [TARGET...]}
shift
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(amount deadline ini rate_table rate_history official_calendar case_file local_standards)

build=build/fuzz
flags="-O1 -gline-tables-only -fno-omit-frame-pointer -fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all"
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE= \
      -DCMAKE_CXX_FLAGS="$flags" -DPELLUMO_BUILD_APP=OFF -DPELLUMO_BUILD_FUZZ=ON >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
    mkdir -p "$build/corpus/$target" "$build/artifacts"
    log="$build/$target.log"
    if "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
           -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
           "$build/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz_$target: ${runs:-?} runs in ${seconds} s, nothing found"
    else
        echo "fuzz_$target FAILED (full output in $log):"
        grep -E 'ERROR|runtime error|property failed|SUMMARY|Test unit written' "$log" | head -20
        status=1
    fi
done
exit $status
