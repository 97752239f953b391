#!/usr/bin/env bash
# The AppStream metadata passes appstreamcli's pedantic validation, and each
# screenshot it names is a picture of the repository under the screenshot URL.
#   check-metainfo.sh METAINFO SCREENSHOT_URL SCREENSHOT_DIR
set -uo pipefail
metainfo="$1"
url="$2"
dir="$3"
failures=0

if ! appstreamcli validate --no-net --pedantic "$metainfo"; then
    echo "FAIL: appstreamcli rejects $metainfo"
    failures=$((failures + 1))
fi

images="$(sed -n 's:.*<image[^>]*>\(.*\)</image>.*:\1:p' "$metainfo")"
if [ -z "$images" ]; then
    echo "FAIL: $metainfo shows no screenshot"
    failures=$((failures + 1))
fi
for image in $images; do
    name="${image#"$url/"}"
    if [ "$name" = "$image" ]; then
        echo "FAIL: screenshot $image does not lie under $url"
        failures=$((failures + 1))
    elif [ ! -f "$dir/$name" ]; then
        echo "FAIL: screenshot $image has no picture $dir/$name"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] || exit 1
