#!/usr/bin/env bash
# The desktop's menu entries and the software centres' metainfo, as the
# desktop and AppStream tools read them.
set -euo pipefail
cd "$(dirname "$0")/../../packaging"
for program in mibbet tessaly; do
  desktop-file-validate "org.halvern.$program.desktop"
  appstreamcli validate --no-net "org.halvern.$program.metainfo.xml"
done
