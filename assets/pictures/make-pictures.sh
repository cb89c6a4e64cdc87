#!/usr/bin/env bash
# Draws all pictures of VCQuick into this folder (or into OUTDIR).
#
#   assets/pictures/make-pictures.sh [OUTDIR]
#
# Needs python3 and ImageMagick 6 (/usr/bin/convert; set IM_CONVERT to use
# another convert binary). The drawings themselves live in make_pictures.py.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here}
convert_bin=${IM_CONVERT:-/usr/bin/convert}

command -v python3 >/dev/null || { echo "make-pictures.sh: python3 is not installed" >&2; exit 1; }
[ -x "$convert_bin" ] || { echo "make-pictures.sh: $convert_bin not found (apt-get install imagemagick)" >&2; exit 1; }

IM_CONVERT=$convert_bin exec python3 "$here/make_pictures.py" "$out"
