#!/usr/bin/env bash
# The installed desktop entries and the reader's metainfo pass Debian's validators without
# a remark.
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
appstreamcli validate --no-net --pedantic "$share"/metainfo/*.metainfo.xml || status=1
exit $status
