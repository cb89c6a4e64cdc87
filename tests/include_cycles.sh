#!/bin/sh
# Fails when the components of a folder include each other round a loop, and
# names the loop. A component is X.h with X.cpp: X depends on what either
# file includes from the folder. With --graph it also prints every edge.
#
#   include_cycles.sh [--graph] DIR      (run from the top of the source tree)
graph=0
if [ "$1" = --graph ]; then
  graph=1
  shift
fi
dir=$1
for f in "$dir"/*.h "$dir"/*.cpp; do
  [ -e "$f" ] || continue
  from=$(basename "$f")
  from=${from%.*}
  sed -n "s|^[[:space:]]*#[[:space:]]*include[[:space:]]*\"$dir/\([^\"]*\)\.h\".*|$from \1|p" "$f"
done | sort -u | awk -v graph="$graph" -v dir="$dir" '
  $1 != $2 {
    n[$1]++
    adj[$1, n[$1]] = $2
    nodes[$1] = 1
    nodes[$2] = 1
    edges++
    if (graph) print $1 " -> " $2
  }
  function visit(u,   i, k, v, loop) {
    color[u] = 1
    stack[++depth] = u
    for (i = 1; i <= n[u]; i++) {
      v = adj[u, i]
      if (color[v] == 1) {
        for (k = depth; stack[k] != v; k--) {}
        loop = v
        for (k++; k <= depth; k++) loop = loop " -> " stack[k]
        print "include cycle in " dir "/: " loop " -> " v
        found = 1
      } else if (color[v] == 0) {
        visit(v)
      }
    }
    depth--
    color[u] = 2
  }
  END {
    # No include at all means the pattern no longer matches: fail, not pass.
    if (edges == 0) {
      print "no include of " dir "/ found in " dir "/"
      exit 1
    }
    for (u in nodes)
      if (color[u] == 0) visit(u)
    exit found
  }'
