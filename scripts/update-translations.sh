#!/usr/bin/env bash
# Brings the catalogs in translations/ up to date with the texts in the
# sources: new texts appear as unfinished, texts gone from the code are
# dropped. Translate the unfinished ones (Qt Linguist, or by hand) before
# committing; the test suite fails while any is left.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
lupdate="${LUPDATE:-/usr/lib/qt6/bin/lupdate}"
cd "$root"
# The command-line tool and Prepkit speak English only.
sources=(src/acquire src/app src/batch src/codes src/document src/imaging src/library src/objects src/output src/platform src/settings src/view)
for catalog in translations/veldra2_*.ts; do
    language="${catalog##*_}"
    language="${language%.ts}"
    "$lupdate" -silent -locations none -no-obsolete -source-language en -target-language "$language" \
        "${sources[@]}" -ts "$catalog" "$@"
done
