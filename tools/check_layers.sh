#!/usr/bin/env bash
# Fails when a source file includes a folder above its own. The folders of
# src/ form layers, lowest first; a folder may include itself and the
# folders before it.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."

layers=(platform model placement simulation render editing ic boolean settings shell)

rank() {
  local i
  for i in "${!layers[@]}"; do
    if [ "${layers[$i]}" = "$1" ]; then
      echo "$i"
      return
    fi
  done
  echo -1
}

status=0
while IFS= read -r file; do
  own="${file#src/}"
  own="${own%%/*}"
  own_rank="$(rank "$own")"
  [ "$own_rank" -ge 0 ] || continue
  while IFS= read -r target; do
    target_rank="$(rank "$target")"
    if [ "$target_rank" -gt "$own_rank" ]; then
      echo "layer check: $file includes $target/, which lies above $own/" >&2
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\)\/.*".*/\1/p' "$file")
done < <(find src -mindepth 2 -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if [ "$status" -eq 0 ]; then
  echo "layer check: every folder includes only the folders below it (${layers[*]})"
fi
exit "$status"
