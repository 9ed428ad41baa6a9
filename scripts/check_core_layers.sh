#!/bin/sh
# Fails when a file of the core includes a folder that stands above its own in
# the order base < model < app < views < calc, export, studio, or a header not
# named from the top of the tree. The gui/ folders and platform/ lie outside
# the core: they may include any of it.
cd "$1" || exit 2
rang() {
    case $1 in
        base) echo 0 ;;
        model) echo 1 ;;
        app) echo 2 ;;
        views) echo 3 ;;
        calc | export | studio) echo 4 ;;
        *) echo 9 ;;
    esac
}
fautes=$(
    for dossier in base model app views calc export studio; do
        r=$(rang "$dossier")
        find "$dossier" \( -name '*.cpp' -o -name '*.h' \) -not -path '*/gui/*' | sort | while read -r f; do
            sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$f" | while read -r inc; do
                [ "$(rang "${inc%%/*}")" -gt "$r" ] && echo "$f includes \"$inc\""
            done
        done
    done
)
[ -z "$fautes" ] && exit 0
echo "The core includes upwards (base < model < app < views < calc, export, studio):"
echo "$fautes"
exit 1
