#!/usr/bin/env bash
# Installs the built program into a temporary DESTDIR and checks what a desktop relies on: the
# tree, the desktop entry and metainfo (by their validators), the man page, the help the
# installed program finds, and the type a saved project gets.
set -euo pipefail
build=$1
data=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
usr="$root/usr"
id=com.brackenfield.Pickwell
for file in bin/pickwell \
            share/applications/$id.desktop share/mime/packages/$id.xml \
            share/metainfo/$id.metainfo.xml share/man/man1/pickwell.1.gz \
            share/pickwell/help/index.html share/pickwell/help/images/main-window.png \
            share/pickwell/pkwtips.txt \
            share/icons/hicolor/scalable/apps/$id.svg \
            share/icons/hicolor/scalable/mimetypes/application-x-pickwell-project.svg; do
    [ -f "$usr/$file" ] || { echo "not installed: $file"; exit 1; }
done
for size in 16 24 32 48 64 128 256; do
    for icon in apps/$id mimetypes/application-x-pickwell-project; do
        [ -f "$usr/share/icons/hicolor/${size}x$size/$icon.png" ] || { echo "no $size px $icon"; exit 1; }
    done
done
desktop-file-validate "$usr/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$usr/share/metainfo/$id.metainfo.xml" >/dev/null
[ "$(man -l "$usr/share/man/man1/pickwell.1.gz" 2>/dev/null | head -n 1 | tr -s ' ')" = \
  "PICKWELL(1) User Commands PICKWELL(1)" ]
[ "$("$usr/bin/pickwell" --version)" = "pickwell 0.1.0" ]

# A project saved by the program, named with and without its extension, is of the type.
update-mime-database "$usr/share/mime"
cp "$data/cli_shop.pkw" "$root/shop.pkw"
cp "$data/cli_shop.pkw" "$root/shop"
for file in "$root/shop.pkw" "$root/shop"; do
    type=$(XDG_DATA_HOME="$root/home" XDG_DATA_DIRS="$usr/share:/usr/share" \
           xdg-mime query filetype "$file" 2>/dev/null)
    [ "$type" = application/x-pickwell-project ] || { echo "$file: $type"; exit 1; }
done
echo "installed tree, desktop entry, metainfo, man page and file type: all as expected"
