#!/usr/bin/env bash
# Runs a Windows program while every Wine program of the prefix sees the given
# resolution; the setting there was comes back however the run ends. The
# program finds the resolution to expect in TARNVEL_DPI.
#   run_at_dpi.sh DPI PROGRAM.exe ARGUMENTS...
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/wine.sh"
dpi=$1
shift
TARNVEL_DPI=$dpi tarnvel_at_dpi "$dpi" tarnvel_wine "$@"
