#!/usr/bin/env bash
# Runs a test program as an ordinary user, for the cases that depend on file
# permissions (root may write anywhere): as root it copies the program to a
# folder of nobody's and runs it there as nobody; otherwise as it is.
# usage: as_user.sh TEST_PROGRAM [ARGS...]
set -euo pipefail
source "$(dirname "$0")/e2e_common.sh"
if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cp "$1" "$home/"
# The sanitizer's suppressions may lie where nobody cannot read them.
suppressions_into "$home"
chown -R nobody: "$home"
shift_program=$home/$(basename "$1")
shift
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home setpriv --reuid=nobody --regid=nogroup --clear-groups "$shift_program" "$@"
