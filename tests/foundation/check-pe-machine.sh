#!/usr/bin/env bash
# check-pe-machine.sh <i686 bin> <x86_64 bin> <file>...: each file must be PE32 for Intel 386 in
# the first folder and PE32+ for x86-64 in the second. Reads the PE headers directly.
set -u
i686=$1 x64=$2; shift 2
status=0
machine() {  # prints "<optional-header magic> <machine>" in hex, e.g. "10b 14c"
  local f=$1 pe
  pe=$(od -An -tu4 -j60 -N4 "$f" | tr -d ' ')
  [ "$(od -An -c -j"$pe" -N4 "$f" | tr -d ' ')" = 'PE\0\0' ] || { echo "not-pe"; return; }
  printf '%x %x\n' "$(od -An -tu2 -j$((pe + 24)) -N2 "$f" | tr -d ' ')" \
    "$(od -An -tu2 -j$((pe + 4)) -N2 "$f" | tr -d ' ')"
}
check() {
  local f=$1 want=$2 got
  if [ ! -f "$f" ]; then echo "FAIL $f: missing"; status=1; return; fi
  got=$(machine "$f")
  if [ "$got" = "$want" ]; then echo "ok   $f: $got"; else echo "FAIL $f: $got, want $want"; status=1; fi
}
for f in "$@"; do
  check "$i686/$f" "10b 14c"    # PE32, IMAGE_FILE_MACHINE_I386
  check "$x64/$f" "20b 8664"    # PE32+, IMAGE_FILE_MACHINE_AMD64
done
exit $status
