#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's prefix, quietly, with the
# code page of TARNVEL_LOCALE (zh_CN.UTF-8, code page 936, unless told). CTest
# runs the Windows test programs through it.
source "$(dirname "${BASH_SOURCE[0]}")/wine.sh"
tarnvel_wine "$@"
