#!/usr/bin/env bash
# Writes COUNT generated births as batch CSV to standard output, for timing
# amsaview-chart --batch:
#   tools/generate-births.sh 1000000 > births.csv
#   time amsaview-chart --batch births.csv --jobs 1 > /dev/null
set -euo pipefail
count=${1:-1000000}
echo "name,date,time,lon,lat,zone,dst,city,state,country"
awk -v count="$count" 'BEGIN {
    for (i = 0; i < count; i++) {
        printf "PERSON,%04d-%02d-%02d,%d:%02d,%d%s%02d,%d%s%02d,%d,%d,Pune,,\n",
            1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60,
            i % 180, (i % 2 ? "E" : "W"), i % 60, i % 90, (i % 3 ? "N" : "S"), i % 60, i % 71, i % 2
    }
}'
