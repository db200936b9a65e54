#!/usr/bin/env bash
# Makes the Debian package from a build folder, unpacks it into a fresh folder tree, checks that its
# programs and libraries are stripped, and runs the installed quelbox-cli there on the sample job:
# a PDF report and a unit search that finds the installed tables. Usage: check-package.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
(cd "$build_dir" && cpack -G DEB >/dev/null)
package=$(ls -t "$build_dir"/quelbox_*.deb | head -n 1)
echo "Package: $(basename "$package") ($(stat -c %s "$package") bytes)"
dpkg-deb --field "$package" Depends

tree=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$tree" "$work"' EXIT
dpkg -x "$package" "$tree"
for file in usr/bin/quelbox usr/bin/quelbox-cli usr/share/quelbox/UNITS.DAT usr/share/quelbox/lgo.bmp \
    usr/share/applications/quelbox.desktop usr/share/mime/packages/quelbox-kvj.xml \
    usr/include/formlib/Form.h usr/include/cellix32/tgrid.h \
    usr/share/man/man1/quelbox.1 usr/share/man/man1/quelbox-cli.1; do
    [ -e "$tree/$file" ] || { echo "missing from the package: $file"; exit 1; }
done
ls "$tree"/usr/lib/libtavrin32.so* "$tree"/usr/lib/libcellix32.so* >/dev/null
for binary in "$tree"/usr/bin/quelbox "$tree"/usr/bin/quelbox-cli "$tree"/usr/lib/lib*.so.*; do
    [ -L "$binary" ] && continue
    if readelf --section-headers "$binary" | grep -q -e '\.debug_' -e '\.symtab'; then
        echo "not stripped: ${binary#"$tree"}"
        exit 1
    fi
done

cp "$build_dir/sample/sample.kvj" "$work/"
cd "$work"
# Run with the system's libraries only: the build tree must not be needed.
"$tree/usr/bin/quelbox-cli" report sample.kvj -o report.pdf
[ -s report.pdf ] || { echo "no report was written"; exit 1; }
"$tree/usr/bin/quelbox-cli" units sample.kvj >/dev/null
[ -f UNITS.DAT ] || { echo "the installed tables were not found"; exit 1; }
echo "The installed package made $(pdfinfo report.pdf | awk '/^Pages/ {print $2}') report page(s)"
