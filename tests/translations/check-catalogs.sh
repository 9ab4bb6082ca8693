#!/usr/bin/env bash
# Fails when a text of the program has no finished translation in one of the
# catalogs: lupdate is run over the sources into copies of the catalogs, as
# scripts/update-translations.sh would, and every entry must be finished.
set -euo pipefail
root="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/translations" "$work/scripts"
cp "$root"/translations/*.ts "$work/translations/"
ln -s "$root/src" "$work/src"
cp "$root/scripts/update-translations.sh" "$work/scripts/"
"$work/scripts/update-translations.sh" 2>/dev/null
status=0
for catalog in "$work"/translations/*.ts; do
    unfinished="$(grep -c 'type="unfinished"' "$catalog" || true)"
    if [[ "$unfinished" != 0 ]]; then
        echo "$(basename "$catalog"): $unfinished text(s) without a finished translation:"
        grep -B2 'type="unfinished"' "$catalog" | grep '<source>' | sed 's/^ */  /'
        status=1
    fi
done
languages="$(ls "$work"/translations/*.ts | wc -l)"
[[ "$languages" == 5 ]] || { echo "expected five catalogs, found $languages"; status=1; }
exit $status
