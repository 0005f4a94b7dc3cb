# SPDX-License-Identifier: MIT
# Sourced by each leg in .ci/legs: stops the leg at the first failure, and
# moves it into a fresh copy of this repository (.ci/copy-tree) under
# build-ci/LEG/, in the folder named by LEG_FOLDER (tag-table-check if not
# set), where it runs the documents' commands with .ci/doc as a user would.
# A leg that cannot run on this machine says why and exits 77.
set -euo pipefail
leg=$(basename "$0")
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$top/build-ci/$leg
# A Debian root of an interrupted run may still have its proc mounted.
umount "$work/root/proc" 2>/dev/null || true
rm -rf --one-file-system "$work"
"$top/.ci/copy-tree" "$work/${LEG_FOLDER:-tag-table-check}"
cd "$work/${LEG_FOLDER:-tag-table-check}"
export DEBIAN_FRONTEND=noninteractive
