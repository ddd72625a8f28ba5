#!/usr/bin/env bash
# Installs the dependencies, builds, and runs the batch job on the bundled sample:
# the grids land in saida-amostra/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/instalar-dependencias.sh
bash scripts/compilar.sh
out=saida-amostra
rm -rf "$out"
mkdir -p "$out"
# The calculations the batch runner knows, in the order of the tabs.
steps="nota"
args=(sample/projeto/Estrada-Amostra.alg --suite sample/telmira --grids "$out")
[ -n "$steps" ] && args+=(--run "$steps")
[ -f sample/projeto/Estrada-Amostra.dxf ] && args+=(--desenho sample/projeto/Estrada-Amostra.dxf --salvar-desenho "$out/Estrada-Amostra.dxf")
./build/src/batch/quantitativos-lote "${args[@]}"
echo "Resultados gravados em $out/:"
ls "$out"
