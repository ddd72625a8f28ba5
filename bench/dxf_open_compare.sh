#!/usr/bin/env bash
# Opens the large benchmark drawing (1,000,000 polyline vertices, 100,000 points) with
# the drawing store and with ezdxf, and prints the time and peak memory of each.
# Usage: bench/dxf_open_compare.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bench="$build/bench/DxfOpenBench"
[ -x "$bench" ] || { echo "compile antes: ninja -C $build DxfOpenBench" >&2; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
file="$dir/grande.dxf"
"$bench" --gerar "$file"
echo "desenho: $(du -h "$file" | cut -f1)"

measure() {
    local label=$1; shift
    /usr/bin/time -v "$@" 2> "$dir/time.txt" | sed 's/^/  /'
    local wall rss
    wall=$(grep "Elapsed (wall clock)" "$dir/time.txt" | awk '{print $NF}')
    rss=$(grep "Maximum resident set size" "$dir/time.txt" | awk '{print $NF}')
    printf '%-12s tempo %s, memória máxima %d MB\n' "$label" "$wall" $((rss / 1024))
}

measure "área de desenho" "$bench" --abrir "$file"
measure "ezdxf" /usr/bin/python3 -c "import sys, ezdxf; d = ezdxf.readfile(sys.argv[1]); print('  entidades', len(d.modelspace()))" "$file"
