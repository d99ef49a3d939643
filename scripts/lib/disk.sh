# Disk helpers for the test scripts (sourced).

# mount_small_disk FOLDER: a 1 MiB tmpfs at FOLDER (root only); false where it cannot be.
mount_small_disk() {
  [ "$(id -u)" -eq 0 ] || return 1
  mkdir -p "$1"
  mountpoint -q "$1" && umount "$1"
  mount -t tmpfs -o size=1m,mode=0777 tmpfs "$1" 2>/dev/null
}
