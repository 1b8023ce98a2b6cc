#!/usr/bin/env bash
# The installed desktop entries carry their names and menu categories, and they and the
# reader's metainfo pass Debian's validators without a remark.
set -euo pipefail
share=$1/usr/share
status=0
for entry in "$share"/applications/*.desktop; do
  remarks=$(desktop-file-validate "$entry" 2>&1) || status=1
  if [ -n "$remarks" ]; then
    echo "$remarks"
    status=1
  fi
done
for expected in "vermara:Name=Vermara — Alkitab" "versipack:Name=Versipack — Kustomisasi Alkitab"; do
  entry=$share/applications/id.vermara.${expected%%:*}.desktop
  grep -qxF "${expected#*:}" "$entry" || { echo "$entry lacks ${expected#*:}"; status=1; }
  grep -qxF "Categories=Education;Spirituality;" "$entry" || { echo "$entry: categories"; status=1; }
done
appstreamcli validate --no-net --pedantic "$share"/metainfo/*.metainfo.xml || status=1
exit $status
