#!/usr/bin/env bash
# The desktop's menu entries and the software centres' metainfo, as the
# desktop and AppStream tools read them.
set -euo pipefail
cd "$(dirname "$0")/../../packaging"
for program in mibbet tessaly; do
  desktop-file-validate "org.halvern.$program.desktop"
  appstreamcli validate --no-net "org.halvern.$program.metainfo.xml"
done

# The package's copyright file, machine-readable: every Files paragraph names
# files of this tree and a licence given whole in a stand-alone paragraph, and
# the font keeps its reserved name.
fail() { echo "copyright: $*" >&2; exit 1; }
set -f # the patterns are matched in the tree, not here
for pattern in $(sed -n 's/^Files: //p' copyright); do
  (cd .. && set +f && compgen -G "$pattern" >/dev/null) || fail "no file in the tree is $pattern"
done
given=$(awk 'BEGIN { RS = "" } /^License: [^\n]*\n / { sub(/\n.*/, ""); print substr($0, 10) }' copyright)
for licence in $(awk 'BEGIN { RS = "" } /^Files: / { if (match($0, /\nLicense: [^\n]*/)) print substr($0, RSTART + 10, RLENGTH - 10) }' copyright); do
  grep -qx "$licence" <<<"$given" || fail "the licence $licence has no paragraph of its own"
done
set +f
awk 'BEGIN { RS = "" } /^Files: [^\n]*MibbetSans/' copyright | grep -q "with Reserved Font Name 'Source'" \
  || fail "the font's reserved name is missing"
