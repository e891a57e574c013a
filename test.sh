#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
ensure_packages

export QT_QPA_PLATFORM=offscreen
export QTWEBENGINE_DISABLE_SANDBOX=1

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
cmake --preset debug >/dev/null
cmake --build --preset debug

# A few seconds of each fuzz target, then the calculation libraries under
# AddressSanitizer and UndefinedBehaviorSanitizer, then every test of the
# debug build, whose summary closes the run.
status=0
fuzz/run.sh 4 || status=1
ctest --preset sanitize || status=1
ctest --preset debug || status=1
exit $status
