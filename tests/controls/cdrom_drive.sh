#!/usr/bin/env bash
# Runs a Windows test with a CD-ROM drive E: labelled FSX in its tree's Wine
# prefix, and takes the drive away again afterwards (also on failure), so
# that tests that list drives see the prefix as it was.
# Usage: cdrom_drive.sh WINE_EXEC TREE TEST_EXE [ARGS...] (the tree's emulator
# and the program)
set -euo pipefail
source "$(dirname "$1")/wine-env.sh"
source "$(dirname "$0")/../support/cdrom-drive.sh"
wine_tree_env "$2"
trap cdrom_drive_restore EXIT
cdrom_drive_add FSX
"$@"
