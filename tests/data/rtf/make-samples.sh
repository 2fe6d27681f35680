#!/usr/bin/env bash
# Remakes the rich text samples written by other programs from the sources in
# sources/. Needs: apt-get install -y pandoc enscript libreoffice-writer-nogui
# The expected plain text (*.txt) is LibreOffice's own text export of each
# sample, without its byte order mark and final line end; the table's cells are
# written the way Orrindale separates them (a tab after each cell).
set -euo pipefail
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work

soffice --headless --infilter="HTML (StarWriter)" --convert-to 'rtf:Rich Text Format' \
  --outdir "$work" sources/formats.html sources/unicode.html sources/table.html >/dev/null
cp "$work/formats.rtf" libreoffice_formats.rtf
cp "$work/unicode.rtf" libreoffice_unicode.rtf
cp "$work/table.rtf" libreoffice_table.rtf
pandoc -s -f markdown -t rtf sources/notes.md -o pandoc_notes.rtf
enscript -q --language=rtf -o enscript_list.rtf sources/list.txt

soffice --headless --convert-to 'txt:Text (encoded):UTF8' --outdir "$work" \
  libreoffice_formats.rtf libreoffice_unicode.rtf pandoc_notes.rtf enscript_list.rtf >/dev/null
for name in libreoffice_formats libreoffice_unicode pandoc_notes enscript_list; do
  python3 -c 'import sys; t = open(sys.argv[1], encoding="utf-8-sig").read(); open(sys.argv[2], "w", encoding="utf-8").write(t[:-1] if t.endswith("\n") else t)' \
    "$work/$name.txt" "$name.txt"
done
printf 'Before the table\nMonday\tDentist\t\nFriday\tPayday\t\nAfter the table' > libreoffice_table.txt
