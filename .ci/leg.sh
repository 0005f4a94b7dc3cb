#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sourced by each leg in .ci/legs: stops the leg at the first failure, and
# moves it into a fresh copy of this repository (.ci/copy-tree) under
# build-ci/LEG/, in the directory named by LEG_DIR (tag-table-check if not
# set), where it runs the documents' commands with .ci/doc as a user would,
# each named on its "# runs:" line (DOC_LEG).
# Tools that cannot take a path with a space work in $scratch, removed at exit.
# A leg that cannot run on this machine says why and exits 77.
set -euo pipefail
leg=$(basename "$0")
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$top/build-ci/$leg
scratch=$(mktemp -d)
trap '"$top/.ci/remove-tree" "$scratch"' EXIT
"$top/.ci/remove-tree" "$work"
"$top/.ci/copy-tree" "$work/${LEG_DIR:-tag-table-check}"
cd "$work/${LEG_DIR:-tag-table-check}"
export DEBIAN_FRONTEND=noninteractive DOC_LEG=$leg
