# Sourced by the tests that need a CD-ROM drive E: with a volume label in their
# tree's Wine prefix (after wine_tree_env). cdrom_drive_add LABEL adds it;
# cdrom_drive_restore puts back whatever E: was and removes the media folder.
# Both restart the wineserver, which reads drive settings when it starts, so
# such tests run alone.

# Drive settings live in the 64-bit registry view.
cdrom_drives_key='HKLM\Software\Wine\Drives'

cdrom_drive_add() {
  cdrom_link="$WINEPREFIX/dosdevices/e:"
  cdrom_media=$(mktemp -d)
  cdrom_old_link=$(readlink "$cdrom_link" 2>/dev/null || true)
  cdrom_old_type=$("$FOLVANE_WINE64_LOADER" reg query "$cdrom_drives_key" /v e: 2>/dev/null |
    awk '$1 == "e:" { print $3 }' || true)
  printf '%s' "$1" >"$cdrom_media/.windows-label"
  rm -f "$cdrom_link"
  ln -s "$cdrom_media" "$cdrom_link"
  "$FOLVANE_WINE64_LOADER" reg add "$cdrom_drives_key" /v e: /d cdrom /f >/dev/null
  wine_env_restart_server
}

cdrom_drive_restore() {
  [ -n "${cdrom_media:-}" ] || return 0
  rm -f "$cdrom_link"
  [ -n "$cdrom_old_link" ] && ln -s "$cdrom_old_link" "$cdrom_link"
  if [ -n "$cdrom_old_type" ]; then
    "$FOLVANE_WINE64_LOADER" reg add "$cdrom_drives_key" /v e: /d "$cdrom_old_type" /f >/dev/null 2>&1 || true
  else
    "$FOLVANE_WINE64_LOADER" reg delete "$cdrom_drives_key" /v e: /f >/dev/null 2>&1 || true
  fi
  wine_env_restart_server
  rm -rf "$cdrom_media"
  cdrom_media=""
}
