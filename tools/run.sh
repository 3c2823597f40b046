#!/usr/bin/env bash
# Installs what is missing, builds the program in release mode and starts it. Any arguments
# go to the program: a project file to open, or a command-line mode command.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
(cd "$root" && BUILD_DIR=build-release BUILD_TYPE=Release BUILD_TARGET=pickwell source tools/setup.sh)
exec "$root/build-release/src/pickwell" "$@"
