#!/usr/bin/env bash
# Installs the build into a private folder as "cmake --install" does for a
# package, checks the tree and its desktop files, then makes the Debian
# package and checks its contents, dependencies and install script.
#   check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
root="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
usr="$work/stage/usr"

# Everything in its place, and nothing outside the prefix.
expected=(
    bin/veldra2 bin/veldra2-cli bin/prepkit lib/veldra2/libprepkit.so lib/veldra2/plugins/qtimage.spi
    share/doc/veldra2/copyright share/doc/veldra2/changelog.gz
    share/man/man1/veldra2.1.gz share/man/man1/veldra2-cli.1.gz share/man/man1/prepkit.1.gz
    share/applications/veldra2.desktop share/mime/packages/veldra2.xml
    share/metainfo/com.corvexkz.Veldra2.metainfo.xml share/icons/hicolor/scalable/apps/veldra2.svg
    share/veldra2/manual/index.html share/veldra2/manual/style.css share/veldra2/manual/images/main-window.png
)
for size in 16 22 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/veldra2.png"); done
for file in "${expected[@]}"; do [[ -f "$usr/$file" ]] || fail "missing $file"; done
for kind in Mask Frame Symbol; do
    count="$(find "$usr/share/veldra2/$kind" -name '*.vls' 2>/dev/null | wc -l)"
    [[ "$count" -gt 0 ]] || fail "no starter library entries in share/veldra2/$kind"
done
outside="$(find "$work/stage" -mindepth 1 -maxdepth 1 ! -name usr)"
[[ -z "$outside" ]] || fail "installed outside the prefix: $outside"
stray="$(find "$usr" -name '*.a' -o -name '*_tests' -o -name '*_bench' -o -name 'veldra2-screenshots')"
[[ -z "$stray" ]] || fail "build-only files installed: $stray"
file "$usr/share/icons/hicolor/48x48/apps/veldra2.png" | grep -q "48 x 48" || fail "the 48 px icon is not 48 x 48"

# The desktop's own validators and tools accept what we install.
desktop-file-validate "$usr/share/applications/veldra2.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$usr/share/metainfo/com.corvexkz.Veldra2.metainfo.xml" >/dev/null || fail "AppStream file"
cp -r "$usr/share/mime" "$work/mime"
update-mime-database "$work/mime" >/dev/null || fail "MIME package"
grep -q 'vlz' "$work/mime/globs2" 2>/dev/null || fail "no glob for .vlz"
grep -q 'vls' "$work/mime/globs2" 2>/dev/null || fail "no glob for .vls"

# Every page and picture the manual links to is installed with it.
for page in "$usr"/share/veldra2/manual/*.html; do
    for link in $(grep -o -E '(href|src)="[^"#:]+' "$page" | sed -E 's/^(href|src)="//'); do
        [[ -e "$(dirname "$page")/$link" ]] || fail "$(basename "$page") links to missing $link"
    done
done

# Each manual page reads, and says what its program's --help says.
for program in veldra2 veldra2-cli prepkit; do
    page="$(MANWIDTH=200 man -l "$usr/share/man/man1/$program.1.gz" 2>&1)" || fail "man -l $program.1.gz"
    grep -q -- '--version' <<<"$page" || fail "the manual page of $program lacks its options"
done
[[ -z "$(find "$usr" -path '*/include/*')" ]] || fail "headers installed: plug-in writers take them from the sources"

# The installed programs run from where they are.
"$usr/bin/veldra2" --version | grep -q . || fail "veldra2 --version"
"$usr/bin/veldra2-cli" --version | grep -q . || fail "veldra2-cli --version"
"$usr/bin/prepkit" --version | grep -q . || fail "prepkit --version"

# The package.
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb="$(ls "$work"/package/veldra2_*.deb)"
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libqt6svg6 libcups2 libsane1 \
              libjpeg62-turbo libacl1 libstdc++6 qt6-qpa-plugins fonts-liberation; do
    grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[[ "$(dpkg-deb -f "$deb" Package)" == veldra2 ]] || fail "package name"
contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for file in ./usr/bin/veldra2 ./usr/bin/veldra2-cli ./usr/bin/prepkit ./usr/lib/veldra2/libprepkit.so \
            ./usr/share/applications/veldra2.desktop ./usr/share/veldra2/manual/index.html; do
    grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done
grep -q '^\./var/' <<<"$contents" && fail "the package owns files under /var: the users' library is theirs"
mkdir -p "$work/control"
dpkg-deb -e "$deb" "$work/control"
grep -q 'prepkit --grant' "$work/control/postinst" || fail "postinst does not prepare the data folder"
[[ -x "$work/control/postinst" ]] || fail "postinst is not executable"
grep -q 'mv \|prepkit /' "$work/control/postinst" && fail "postinst moves files the package owns"

# Debian's own checker finds nothing but what an override in the package
# explains, each with its reason.
lintian_report="$(lintian --fail-on none --tag-display-limit 0 "$deb" 2>&1 | grep -E '^[EW]: ' || true)"
[[ -z "$lintian_report" ]] || fail "lintian: $lintian_report"

if [[ $failures -gt 0 ]]; then
    echo "$failures problem(s)"
    exit 1
fi
echo "installed tree and package are complete"
