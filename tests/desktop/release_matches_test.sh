#!/usr/bin/env bash
# One release, told the same way everywhere: the CMake project version, the
# Debian changelog's top entry and the newest release of the AppStream
# metainfo (version and date).
# usage: release_matches_test.sh SOURCE_DIR PROJECT_VERSION
set -euo pipefail
src=$1
project=$2
changelog_version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
changelog_date=$(date -u -d "$(dpkg-parsechangelog -l "$src/debian/changelog" -S Date)" +%F)
# The first <release .../> is the newest (AppStream lists them newest first).
release=$(grep -m1 -o '<release [^>]*>' "$src/desktop/org.velmar.Velmar.metainfo.xml")
meta_version=$(sed -n 's/.* version="\([^"]*\)".*/\1/p' <<<"$release")
meta_date=$(sed -n 's/.* date="\([^"]*\)".*/\1/p' <<<"$release")

failed=0
# A native package's version is the upstream one, with no Debian revision.
[[ $changelog_version == "$project" ]] ||
    { echo "FAIL: debian/changelog $changelog_version, CMake $project"; failed=1; }
[[ $meta_version == "$project" ]] ||
    { echo "FAIL: metainfo release $meta_version, CMake $project"; failed=1; }
[[ $meta_date == "$changelog_date" ]] ||
    { echo "FAIL: metainfo release dated $meta_date, debian/changelog $changelog_date"; failed=1; }
[[ $failed == 0 ]] && echo "release $project of $meta_date: matches"
exit $failed
