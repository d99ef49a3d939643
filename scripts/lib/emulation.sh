# The shipped 32-bit exe where this kernel refuses 32-bit programs: Wine's 32-bit loader runs
# under qemu-i386, reached through binfmt_misc registered in a private user and mount
# namespace, so that nothing outside it changes (sourced).

# The Debian suite whose qemu-user carries Wine (version 10; Debian 12's own 7.2 does not).
backports_suite() { (. /etc/os-release && echo "$VERSION_CODENAME-backports"); }

# The first Debian mirror of this release in the machine's own apt sources, and its keyring
# when the entry names one: "URI KEYRING".
debian_mirror() {
  local codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  {
    for file in /etc/apt/sources.list.d/*.sources; do
      [ -f "$file" ] || continue
      awk -v suite="$codename" 'BEGIN { RS = "" } {
        types = uris = suites = key = ""
        n = split($0, lines, "\n")
        for (i = 1; i <= n; i++) {
          if (lines[i] ~ /^#/) continue
          split(lines[i], kv, ":[ \t]*")
          value = substr(lines[i], length(kv[1]) + 2); sub(/^[ \t]+/, "", value)
          if (kv[1] == "Types") types = value
          else if (kv[1] == "URIs") uris = value
          else if (kv[1] == "Suites") suites = value
          else if (kv[1] == "Signed-By" && value ~ /^\//) key = value
        }
        if ((" " types " ") ~ / deb / && (" " suites " ") ~ (" " suite " ")) {
          split(uris, u, /[ \t]+/); print u[1], key
        }
      }' "$file"
    done
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      awk -v suite="$codename" '$1 == "deb" {
        key = ""; i = 2
        if ($2 ~ /^\[/) {
          for (; i <= NF; i++) {
            if ($i ~ /^\[?signed-by=/) { key = $i; sub(/^\[?signed-by=/, "", key); sub(/\]$/, "", key) }
            if ($i ~ /\]$/) { i++; break }
          }
        }
        if ($(i + 1) == suite) print $i, key
      }'
  } | head -n 1
}

# Adds the backports suite of the machine's own mirror to apt's sources (root).
add_backports() {
  local mirror key file=/etc/apt/sources.list.d/evenkeeper-backports.sources
  read -r mirror key <<<"$(debian_mirror)"
  if [ -z "$mirror" ]; then
    echo "no Debian mirror of this release in the apt sources" >&2
    return 1
  fi
  {
    printf 'Types: deb\nURIs: %s\nSuites: %s\nComponents: main\n' "$mirror" "$(backports_suite)"
    [ -n "$key" ] && printf 'Signed-By: %s\n' "$key"
  } >"$file"
  apt-get update -qq
}

# The major version of qemu-i386, empty when there is none.
qemu_version() {
  command -v qemu-i386 >/dev/null || return 0
  qemu-i386 --version 2>/dev/null | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p'
}

# Why the emulated way cannot be taken here; nothing when it can.
emulation_missing() {
  local version
  version=$(qemu_version)
  if [ -z "$version" ]; then
    echo "qemu-i386 is not installed"
  elif [ "$version" -lt 10 ]; then
    echo "qemu-i386 is version $version, Wine needs 10 or later"
  elif ! unshare --user --map-root-user --mount --fork --kill-child \
         mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null; then
    echo "this kernel gives a user namespace no binfmt_misc of its own"
  fi
}

# with_emulated_i386 COMMAND...: runs the command where every i386 program, Wine's 32-bit
# loader and each process it starts, runs under qemu-i386. The registration (flag F: the
# interpreter is opened at once) lives only in the command's own namespaces, and it wins over
# native 32-bit support, so a machine that has it can try this way too.
with_emulated_i386() {
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  unshare --user --map-root-user --mount --fork --kill-child bash -c '
    mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc || exit 1
    printf "%s" "$1" >/proc/sys/fs/binfmt_misc/register || exit 1
    shift
    exec "$@"' _ ":evenkeeper-i386:M::$magic:$mask:$(command -v qemu-i386):F" "$@"
}
