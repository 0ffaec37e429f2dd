#!/usr/bin/env bash
# Installs a build's manual pages into a scratch prefix and asks man, as a
# user of each language would, which page it shows; every page must also lay
# out without a warning from groff:  manual-pages.sh BUILD-DIR data/man
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$1" --prefix "$work" --component manual >/dev/null
man=$work/share/man

failed=0
checked=0
for page in "$2"/*.1 "$2"/*/*.1; do
    program=$(basename "$page" .1)
    # A page is installed with its program: the window's only in a build with it.
    [[ -e $page && -e $1/src/$program ]] || continue
    if [[ $page == "$2/$program.1" ]]; then
        language=en want=$man/man1/$program.1.gz
    else
        language=$(basename "$(dirname "$page")") want=$man/$language/man1/$program.1.gz
    fi
    got=$(MANPATH=$man man -L "$language" -w "$program" 2>/dev/null || true)
    if [[ $got != "$want" ]]; then
        echo "man -L $language $program shows ${got:-nothing}, not $want"
        failed=1
        continue
    fi
    if ! cmp -s <(zcat "$want") "$page"; then
        echo "$want is not $page"
        failed=1
    fi
    warnings=$(zcat "$want" | preconv | groff -man -Tutf8 -ww -z 2>&1)
    if [[ -n $warnings ]]; then
        echo "$page: $warnings"
        failed=1
    fi
    checked=$((checked + 1))
done
# Every program has its page in every language the pages are written in.
for english in "$2"/*.1; do
    for folder in "$2"/*/; do
        if [[ ! -e $folder$(basename "$english") ]]; then
            echo "$(basename "$english") has no page in $folder"
            failed=1
        fi
    done
done
if ((checked < 2)); then
    echo "only $checked manual pages found in $2"
    failed=1
fi
exit $failed
