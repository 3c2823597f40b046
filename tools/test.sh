#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test through CTest, the
# browser tests (label "browser") and the fuzz corpus replay (label "fuzz") included; then
# the suite again, all but the browser tests, under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
BROWSER_TESTS=1 source tools/setup.sh
ctest --test-dir build --output-on-failure -j2 --timeout 120
scripts/sanitize
