#!/bin/sh
# Fails when a file of the core library (every subsystem folder but its gui/
# folders) or of the core tests includes a Qt header, or when a core file
# includes a window header.
cd "$1" || exit 2
core=$(find base model app views calc studio export tests/base tests/model tests/app tests/views tests/calc \
            tests/studio tests/export tests/support \
            \( -name '*.cpp' -o -name '*.h' \) -not -path '*/gui/*' 2>/dev/null)
bad=$(grep -lE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]|Qt[A-Za-z]*/)' $core)
up=$(grep -lE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/gui/|"platform/' $core)
status=0
[ -n "$bad" ] && { echo "Qt header included in the core:"; echo "$bad"; status=1; }
[ -n "$up" ] && { echo "Window or platform header included in the core:"; echo "$up"; status=1; }
exit $status
