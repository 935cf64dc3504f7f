#!/usr/bin/env bash
# Checks every catalogue in translations/ against the program's sources, as lupdate finds
# their texts: names each text a catalogue lacks (missing), still has though the sources no
# longer do (obsolete), or has without a finished translation (unfinished), by catalogue,
# context and text. The catalogues themselves are not changed. Exit status 1 on any.
#   --in-step   only missing and obsolete texts: a catalogue kept up to date with lupdate
#               passes, translated or not.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=all
if [ "${1:-}" = "--in-step" ]; then mode=in-step; fi
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)

catalogues=(translations/parsella_*.ts)
if [ ! -e "${catalogues[0]}" ]; then
    echo "no catalogues in translations/" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The copies sit where the catalogues do, so that lupdate sees the same paths.
mkdir -p "$work/translations"
cp "${catalogues[@]}" "$work/translations/"
cp -r src "$work/src"
(cd "$work" && "$lupdate" -silent src -ts translations/parsella_*.ts)

python3 - "$mode" "$work/translations" "${catalogues[@]}" <<'PY'
import sys, xml.etree.ElementTree as ET
mode, updated_dir, originals = sys.argv[1], sys.argv[2], sys.argv[3:]

def messages(path):
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name') or ''
        for m in context.iter('message'):
            key = (name, m.findtext('source') or '', m.findtext('comment') or '')
            t = m.find('translation')
            yield key, (t.get('type') if t is not None else 'unfinished') or 'finished'

problems = 0
for original in originals:
    file = original.rsplit('/', 1)[-1]
    before = dict(messages(original))
    for (context, source, comment), state in messages(updated_dir + '/' + file):
        if (context, source, comment) not in before and state not in ('obsolete', 'vanished'):
            what = 'missing'
        elif state in ('obsolete', 'vanished'):
            what = 'obsolete'
        elif state == 'unfinished' and mode == 'all':
            what = 'unfinished'
        else:
            continue
        problems += 1
        print('%s: %s: %s: "%s"' % (file, what, context, source.replace('\n', '\\n')))
print('%d catalogue(s) checked, %d problem(s)' % (len(originals), problems), file=sys.stderr)
sys.exit(1 if problems else 0)
PY
