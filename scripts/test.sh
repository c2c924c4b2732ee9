#!/usr/bin/env bash
# Builds the native build (simulated desktop, sanitizers) and the Windows build, and runs all their
# tests: natively, then the Windows programs under Wine on a private virtual display.
# Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
source scripts/packages.sh
source scripts/wine-env.sh

step() { printf '\n== %s (%ds)\n' "$1" "$SECONDS"; }

step "Packages"
wardo_install_missing "${WARDO_BUILD_PACKAGES[@]}" || { echo "package installation failed" >&2; exit 1; }

failed=0
passed_total=0
failed_total=0
# Adds a ctest run's closing counts to the totals; a run without a closing line counts as a failure.
count() {
    local line
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n1)
    if [[ -z "$line" ]]; then
        failed_total=$((failed_total + 1))
        return
    fi
    local bad all
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    all=$(sed -E 's/.*passed, ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
    passed_total=$((passed_total + all - bad))
    failed_total=$((failed_total + bad))
}

mkdir -p build
# Each build keeps going past a failing target, so that every test that could be built still runs.
step "Native build"
if cmake --preset native >build/native-configure.log 2>&1; then
    cmake --build --preset native -- -k 0 || failed=1
    step "Native tests"
    ctest --preset native 2>&1 | tee build/native-ctest.log
    ((PIPESTATUS[0] == 0)) || failed=1
    count build/native-ctest.log
else
    tail -n 30 build/native-configure.log
    echo "native configuration failed" >&2
    failed=1
    failed_total=$((failed_total + 1))
fi

step "Windows build"
if cmake --preset windows >build/windows-configure.log 2>&1; then
    cmake --build --preset windows -- -k 0 || failed=1
    step "Wine"
    if wardo_wine_start ""; then
        step "Windows tests under Wine"
        setarch x86_64 -R ctest --preset windows 2>&1 | tee build/windows-ctest.log
        ((PIPESTATUS[0] == 0)) || failed=1
        count build/windows-ctest.log
    else
        failed=1
        failed_total=$((failed_total + 1))
    fi
    wardo_wine_stop
else
    tail -n 30 build/windows-configure.log
    echo "windows configuration failed" >&2
    failed=1
    failed_total=$((failed_total + 1))
fi

step "Done"
echo "$passed_total passed, $failed_total failed"
((failed == 0 && failed_total == 0))
