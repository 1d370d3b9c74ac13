#!/usr/bin/env bash
# varnixpc.exe opens its bar and ends with exit code 0 when closed.
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/varnixpc_lib.sh"
e2e_setup
vx_prepare smoke

vx_start
e2e_screenshot varnixpc-bar
vx_close
echo "PASS"
