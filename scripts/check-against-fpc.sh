#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the specification check against Free Pascal: builds unitforge-build,
# installs fp-compiler when it is missing, and runs check-against-fpc.py on
# random specifications. Arguments go to the Python script (--count N,
# --seed S, --keep DIR, --reference BINARY).
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v fpc >/dev/null; then
    apt-get update -qq && apt-get install -y -qq fp-compiler >/dev/null
fi
bash scripts/build.sh >/dev/null
python3 scripts/check-against-fpc.py build/src/cli/unitforge-build "$@"
