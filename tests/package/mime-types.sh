#!/usr/bin/env bash
# Installs the package's MIME type into a scratch data folder beside the
# system's own and asks GLib's content-type guess, as a file manager does,
# what each file of the table is:  mime-types.sh MIME-XML TABLE
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/share/mime/packages"
cp "$1" "$work/share/mime/packages/"
update-mime-database "$work/share/mime" 2>/dev/null
export XDG_DATA_DIRS="$work/share:/usr/share" XDG_DATA_HOME="$work/home"

failed=0
while IFS= read -r line; do
    [[ -z $line || $line == '#'* ]] && continue
    name=${line%%$'\t'*} want=${line##*$'\t'} bytes=${line#*$'\t'} bytes=${bytes%$'\t'*}
    # The table's \xHH, \r and \n are printf's own escapes.
    printf '%b' "$bytes" > "$work/$name"
    got=$(gio info -a standard::content-type "$work/$name" |
          sed -n 's/^ *standard::content-type: //p')
    if [[ $got != "$want" ]]; then
        echo "$name is taken for $got, not $want"
        failed=1
    fi
done < "$2"
exit $failed
