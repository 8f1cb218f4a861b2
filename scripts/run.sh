#!/usr/bin/env bash
# Starts the product from the build folder.
set -euo pipefail
build_dir=${1:-build}
exec "$build_dir/bin/tastavo-cli" chord C7M\(9\)/E
