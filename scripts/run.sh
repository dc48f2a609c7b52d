#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Unitforge and starts it. Without a display, Xvfb stands in for one.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
if [ -x build/src/app/unitforge ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" = "" ]; then
        exec xvfb-run -a build/src/app/unitforge "$@"
    fi
    exec build/src/app/unitforge "$@"
fi
exec build/src/cli/unitforge-build "${@:-examples/tank.spc}"
