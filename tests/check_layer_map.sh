#!/usr/bin/env bash
# Checks that no source file includes a header of a higher layer, and that
# the layers below render/ use no Qt.
set -u
root=${1:?source root}
cd "$root" || exit 2

# Lowest first; a layer may include its own headers and those of lower layers.
layers=(resources document layout imaging color persistence templates print render app)
declare -A rank
for i in "${!layers[@]}"; do rank[${layers[$i]}]=$i; done
qt_free=(resources document layout imaging color persistence)

status=0
for layer in "${layers[@]}"; do
  [ -d "$layer" ] || continue
  while IFS=: read -r file line text; do
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")
    [ -n "${rank[$target]+x}" ] || continue
    if (( rank[$target] > rank[$layer] )); then
      echo "$file:$line: $layer/ must not include $target/ (a higher layer)"
      status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$layer" --include='*.h' --include='*.cpp' || true)
done

for layer in "${qt_free[@]}"; do
  [ -d "$layer" ] || continue
  if hits=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$layer" --include='*.h' --include='*.cpp'); then
    echo "$hits" | sed "s/\$/  ($layer\/ uses no Qt)/"
    status=1
  fi
done

[ $status -eq 0 ] && echo "layer map respected"
exit $status
