#!/usr/bin/env bash
# Makes the rate history file (interest/rate_history.tsv, shipped as a
# resource and published on the update server as /vrk/history.tsv) from the
# two verified tables: the benchmark lending rates and the Loan Prime Rates.
#
# Run by hand from anywhere inside the repository:
#   tools/make_rate_history.sh BENCHMARK.tsv LPR.tsv [VERSION] > interest/rate_history.tsv
# VERSION is the file's version number (1 when left out); raise it for every
# newer history published. The build does not run this; the file it writes
# is kept in the repo.
#
# The two tables are copied byte for byte, their sources included; only a
# preface is added: comments, "#version<TAB>N" and "#known-through<TAB>DATE",
# the date the LPR table says it is known through.
set -euo pipefail

[ $# -ge 2 ] && [ $# -le 3 ] || { echo "usage: $0 BENCHMARK.tsv LPR.tsv [VERSION]" >&2; exit 2; }
benchmark="$1"
lpr="$2"
version="${3:-1}"
[[ "$version" =~ ^[1-9][0-9]*$ ]] || { echo "version must be a positive integer" >&2; exit 2; }

known_through="$(sed -n 's/^#known-through\t\([0-9-]*\)\r\?$/\1/p' "$lpr")"
[[ "$known_through" =~ ^[0-9]{4}-[0-9]{2}-[0-9]{2}$ ]] \
    || { echo "$lpr has no single #known-through line" >&2; exit 1; }
for table in "$benchmark" "$lpr"; do
    [ -z "$(tail -c 1 "$table")" ] || { echo "$table does not end in a line break" >&2; exit 1; }
done

cat <<EOF
# Rate history of Pellumo: the benchmark lending rates by term band and the Loan
# Prime Rates, each in force from its date until the next row of its table.
# UTF-8, tab-separated, lines ending in LF (CRLF accepted); lines starting with
# "#" are comments except the metadata lines "#version<TAB>N" and
# "#known-through<TAB>YYYY-MM-DD" (a metadata line may repeat with the same value).
# Two tables follow, copied unchanged from the verified data files with their
# sources; each starts at its column header line ("date<TAB>to_6m..." for the
# benchmark rates, "date<TAB>one_year..." for the LPR).
#version	${version}
#known-through	${known_through}
EOF
cat "$benchmark" "$lpr"
