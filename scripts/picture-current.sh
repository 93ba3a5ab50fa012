#!/usr/bin/env bash
# Fails when the README's picture of the Registry page predates a change of
# the page: when a commit that touched the page's sources came after the last
# commit of the picture in the history of HEAD. Judged by commits, not by file
# times, so a fresh clone (where every file is as new as the checkout) judges
# as the history does; a shallow clone knows fewer commits and may pass where
# the full history fails, never the other way round. Make the picture again
# with scripts/screenshots.sh (build/screenshots/9x/01-Registry.png).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
picture=docs/registry-page.png
sources=(res/velmora.rc registry/RegistryPage.cpp registry/RegistryPage.h toolkit/SpeedButton.cpp
  toolkit/ReportListView.cpp toolkit/OwnerDataListView.cpp)

if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "No git history here: nothing to compare the picture with."
  exit 0
fi
made="$(git log -1 --format=%H -- "$picture")"
if [ -z "$made" ]; then
  echo "$picture is not committed." >&2
  exit 1
fi
later="$(git log --format='%h %s' "$made..HEAD" -- "${sources[@]}")"
if [ -n "$later" ]; then
  echo "$picture (commit ${made:0:7}) is older than these changes of the Registry page:" >&2
  echo "$later" >&2
  echo "Make it again: bash scripts/screenshots.sh, then copy build/screenshots/9x/01-Registry.png." >&2
  exit 1
fi
echo "$picture is as new as the Registry page's sources."
