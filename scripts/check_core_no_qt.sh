#!/bin/sh
# Fails when a file of the core library (every subsystem folder but its gui/
# folders) or of the core tests includes a Qt header, or when a core file
# includes a window header.
cd "$1" || exit 2
core=$(find model app views calc studio export tests/model tests/app tests/views tests/calc \
            tests/studio tests/export tests/support \
            \( -name '*.cpp' -o -name '*.h' \) -not -path '*/gui/*' 2>/dev/null)
bad=$(grep -lE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]|Qt[A-Za-z]*/)' $core)
up=$(grep -lE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/gui/|"platform/' $core)
model_up=$(grep -lE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"(views|calc|export|studio)/' \
           $(find model -name '*.cpp' -o -name '*.h' | grep -v /gui/))
status=0
[ -n "$bad" ] && { echo "Qt header included in the core:"; echo "$bad"; status=1; }
[ -n "$up" ] && { echo "Window or platform header included in the core:"; echo "$up"; status=1; }
[ -n "$model_up" ] && { echo "model/ includes a higher layer:"; echo "$model_up"; status=1; }
exit $status
