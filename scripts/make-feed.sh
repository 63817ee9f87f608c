#!/usr/bin/env bash
# Makes the update feed for the version in CMakeLists.txt: the folder that
# kestrelwood-server serves with --feed-dir, or any web server under a path
# that ends in /checkbook/stable/ for the manifest.
#
#   scripts/make-feed.sh [--url-base URL] FEED_DIR PACKAGE
#
# writes FEED_DIR/checkbook/stable/latest.json naming PACKAGE (its size and
# SHA-256) as the linux-x64 build, and beside a copy of PACKAGE
# FEED_DIR/checkbook/VERSION/release-notes.md: the version's section of
# CHANGELOG.md, which is what Help › What's New shows. URL is where
# FEED_DIR/checkbook is reached from outside (default
# https://downloads.kestrelwood.app/checkbook).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

url_base="https://downloads.kestrelwood.app/checkbook"
if [ "${1:-}" = "--url-base" ]; then
  url_base="${2:?--url-base needs a URL}"
  shift 2
fi
if [ $# -ne 2 ]; then
  echo "Usage: $0 [--url-base URL] FEED_DIR PACKAGE" >&2
  exit 2
fi
feed_dir="$1"
package="$2"
[ -f "$package" ] || { echo "No package file: $package" >&2; exit 1; }
url_base="${url_base%/}"

version="$(sed -n 's/^project(KestrelwoodCheckbook VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
release_date="$(sed -n 's/^set(CHECKBOOK_RELEASE_DATE \([0-9-]*\)).*/\1/p' "$root/CMakeLists.txt")"
heading="$(grep -m1 "^## \[$version\]" "$root/CHANGELOG.md" || true)"
if [ -z "$heading" ]; then
  echo "CHANGELOG.md has no section for version $version" >&2
  exit 1
fi
if [ "$heading" != "## [$version] - $release_date" ]; then
  echo "CHANGELOG.md dates $version otherwise than CMakeLists.txt ($release_date): $heading" >&2
  exit 1
fi

# The section's lines between its heading and the next release's, without
# the blank lines at either end.
notes="$(awk -v heading="$heading" '
  $0 == heading { inside = 1; next }
  inside && /^## / { exit }
  inside { print }
' "$root/CHANGELOG.md" | sed -e '/./,$!d')"
if [ -z "$notes" ]; then
  echo "The section of $version in CHANGELOG.md is empty" >&2
  exit 1
fi

release_dir="$feed_dir/checkbook/$version"
mkdir -p "$release_dir" "$feed_dir/checkbook/stable"
printf '%s\n' "$notes" > "$release_dir/release-notes.md"
package_name="$(basename "$package")"
cp "$package" "$release_dir/$package_name"
size="$(stat -c %s "$package")"
sha256="$(sha256sum "$package" | cut -d' ' -f1)"

cat > "$feed_dir/checkbook/stable/latest.json" <<JSON
{
  "schema": 1,
  "app": "checkbook",
  "channel": "stable",
  "artifacts": {
    "linux-x64": {
      "version": "$version",
      "released_at": "${release_date}T00:00:00Z",
      "url": "$url_base/$version/$package_name",
      "size": $size,
      "sha256": "$sha256",
      "release_notes_url": "$url_base/$version/release-notes.md"
    }
  }
}
JSON
echo "Feed for $version in $feed_dir"
