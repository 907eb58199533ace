#!/usr/bin/env bash
# Installation and the Debian package: what lands where, the validators of
# the desktop entry and the AppStream metainfo, and the package's contents.
# usage: packaging.sh BUILD_DIR APP_ID VERSION
set -euo pipefail

source "$(dirname "$0")/lib.sh"

build=$(cd "$1" && pwd) id=$2 version=$3

DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
root=$work/root/usr
expected=(
    bin/zomar
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/16x16/apps/$id.png"
    "share/icons/hicolor/32x32/apps/$id.png"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man1/zomar.1.gz
    share/doc/zomar/copyright
    share/doc/zomar/changelog.Debian.gz
)
for f in "${expected[@]}"; do
    [[ -f $root/$f ]] || fail "not installed: $f"
done
# Every icon is the window's own picture, pixel for pixel: the PNGs, and
# the SVG drawn at 32 pixels.
icons=$root/share/icons/hicolor
rsvg-convert -w 32 -h 32 "$icons/scalable/apps/$id.svg" -o "$work/svg-32.png" || fail "the SVG icon does not render"
for icon in 16:"$icons/16x16/apps/$id.png" 32:"$icons/32x32/apps/$id.png" 32:"$work/svg-32.png"; do
    same_picture "${icon#*:}" "$(dirname "$0")/../packaging/icon-${icon%%:*}.xpm"
done
# The Windows icon, kept in the source, is that picture too.
same_icon "$(dirname "$0")/../packaging/zomar.ico"

desktop=$root/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx "Icon=$id" "$desktop" || fail "Icon= is not $id"
grep -qx 'Categories=Education;Electronics;Engineering;' "$desktop" || fail "Categories"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[[ -x $root/bin/${exec_line%% *} ]] || fail "Exec=$exec_line is not the installed binary"

metainfo=$root/share/metainfo/$id.metainfo.xml
# AppStream 1.0 asks for a homepage, which the project does not have and so
# does not name; 0.16 (Debian 12) knows neither that check nor <developer>.
as_validate=(appstreamcli validate --no-net)
appstreamcli --version | grep -q 'version: 0\.' || as_validate+=(--override=url-homepage-missing=info)
"${as_validate[@]}" "$metainfo" >"$work/as.log" 2>&1 || { cat "$work/as.log"; fail "appstreamcli validate"; }
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo release is not $version"
# Pedantic: only the id's capital, which the desktop entry's name shares, and the above.
"${as_validate[@]}" --pedantic "$metainfo" >"$work/as.log" 2>&1 || true
grep -E '^[EWI]:|^P:' "$work/as.log" | grep -vE 'cid-contains-uppercase-letter|url-homepage-missing|unknown-tag developer$' \
    && fail "appstreamcli validate --pedantic"
grep -qx 'Comment\[ru\]=.*' "$desktop" && grep -q 'xml:lang="ru"' "$metainfo" || fail "no Russian translations"
zcat "$root/share/man/man1/zomar.1.gz" | grep -q '^\.SH FILES' || fail "manual page has no FILES"
zcat "$root/share/man/man1/zomar.1.gz" | grep -q "^\.TH ZOMAR 1 .* \"Zomar $version\"" || fail "manual page is not of $version"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/deb/zomar_"$version"-1_*.deb) || fail "no package zomar_$version-1"
[[ $(dpkg-deb -f "$deb" Version) == "$version-1" ]] || fail "package version"
# Debian's own checks: any error or warning fails. Its metainfo check, where
# it has one (Debian 13: appstreamcli, which misses the homepage), is left to
# the pedantic one above.
lintian_options=(--fail-on error,warning)
! lintian-explain-tags appstream-metadata-validation-failed >/dev/null 2>&1 \
    || lintian_options+=(--suppress-tags appstream-metadata-validation-failed)
lintian "${lintian_options[@]}" "$deb" >"$work/lintian.log" 2>&1 || { cat "$work/lintian.log"; fail "lintian"; }
depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-liberation qt6-translations-l10n libqt6widgets6 libc6; do
    [[ $depends == *"$dep"* ]] || fail "package does not depend on $dep: $depends"
done
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' >"$work/contents"
for f in "${expected[@]}"; do
    grep -qx "usr/$f" "$work/contents" || fail "not in the package: usr/$f"
done

# Reproducible: the same source, copied to another folder and built there
# as this build was, gives the same package.
again=$(copy_source "$build")
(
    umask 077
    export TZ=Pacific/Kiritimati
    cmake -S "$work/again/zomar" -B "$again" -DBUILD_TESTING=OFF -DZOMAR_BENCHMARKS=OFF \
        -DCMAKE_BUILD_TYPE="$(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")" >/dev/null
    cmake --build "$again" -j"$(nproc)" --target zomar zomar_docs zomar_desktop_icons >/dev/null
    cd "$again" && cpack -G DEB -B "$work/again-deb" >/dev/null
)
identical "$work/deb" "$work/again-deb" "${deb##*/}"
# A checkout of another user's is stamped as ours is (git's ownership
# check does not change the stamp).
git clone -q "$(dirname "$0")/.." "$work/theirs"
((EUID)) || chown -R nobody: "$work/theirs"
cmake -S "$work/theirs" -B "$work/theirs-build" -DBUILD_TESTING=OFF -DZOMAR_BENCHMARKS=OFF >/dev/null
cmp "$build/CPackSourceDate.cmake" "$work/theirs-build/CPackSourceDate.cmake" \
    || fail "another user's checkout is stamped otherwise: $(cat "$work/theirs-build/CPackSourceDate.cmake")"
# Its source package holds what git tracks, no build folder, and its stamp.
(cd "$work/theirs-build" && cpack --config CPackSourceConfig.cmake -B "$work/source" >/dev/null) || fail "source package"
tarball=$work/source/zomar-$version-Source.tar.xz
tar -tJf "$tarball" | sed -n 's|^[^/]*/||; /[^/]$/p' | sort >"$work/packed"
git -C "$work/theirs" -c safe.directory="$work/theirs" ls-files | sort | diff - "$work/packed" \
    || fail "the source package holds other files than git tracks"
stamp=$(tar -xJOf "$tarball" "zomar-$version-Source/packaging/source-date")
grep -q "SOURCE_DATE_EPOCH} $stamp)" "$build/CPackSourceDate.cmake" || fail "the source package's stamp is $stamp"
echo "packaging: all checks passed"
