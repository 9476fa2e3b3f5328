#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix, quietly, with the
# code page of TARNVEL_LOCALE (zh_CN.UTF-8, code page 936, unless told).
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-env.sh"
exec "$(tarnvel_wine_for "$1")" "$@"
