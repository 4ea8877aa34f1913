#!/usr/bin/env bash
# Writes all five kinds of drawing and the workbook for both example projects,
# then has ezdxf (with its auditor), LibreCAD and openpyxl read every file.
set -euo pipefail
cli="$1"; examples="$2"; out="$3"
rm -rf "$out"; mkdir -p "$out"
fail=0

run_project() {  # name outfall tail-water branch-id
  local name="$1" dir="$out/$1"
  mkdir -p "$dir"
  "$cli" --pipe-db "$examples/$name.bvp" --inlet-db "$examples/$name.olm" --outfall "$2" \
    --tail-water "$3" --tables "$dir" --pipe-profile "1:$dir/pipe.dxf" \
    --branch-profile "$4:$dir/branch.dxf" --all-profiles "$dir/all.dxf" \
    --structure-schedule "$dir/structures.dxf" --pipe-schedule "$dir/pipes.dxf" \
    --excel "$dir/schedules.xlsx" > "$dir/cli.log" 2> "$dir/cli.err" || {
      echo "FAIL: tarvello-cli on $name"; cat "$dir/cli.err"; fail=1; }
}
run_project highway 1 399.80 3
run_project metric 1 55.40 2

for dxf in "$out"/*/*.dxf; do
  pdf="${dxf%.dxf}.pdf"
  # -a fits the drawing to the page; the PDF is written beside the drawing.
  if ! (cd "$(dirname "$dxf")" && QT_QPA_PLATFORM=offscreen timeout 120 \
        librecad dxf2pdf -a "$(basename "$dxf")" > /dev/null 2>&1) \
     || [ ! -s "$pdf" ]; then
    echo "FAIL: LibreCAD on $dxf"; fail=1
  fi
done

# Every drawing audits clean and holds entities; every workbook has schedule rows.
/usr/bin/python3 - "$out"/*/*.dxf "$out"/*/schedules.xlsx <<'PY' || fail=1
import sys, ezdxf, openpyxl
failed = False
for f in sys.argv[1:]:
    if f.endswith(".dxf"):
        doc = ezdxf.readfile(f)
        auditor, n = doc.audit(), len(doc.modelspace())
        if auditor.has_errors or auditor.has_fixes or n == 0:
            print(f"FAIL: ezdxf on {f}: {n} entities, errors {len(auditor.errors)}, fixes {len(auditor.fixes)}")
            failed = True
        continue
    ws1, ws2 = openpyxl.load_workbook(f).worksheets[:2]
    if ws1.max_row < 5 or ws2.max_row < 5 or not ws1.cell(5, 2).value or not ws2.cell(5, 3).value:
        print(f"FAIL: openpyxl on {f}: no schedule rows")
        failed = True
sys.exit(failed)
PY

count=$(ls "$out"/*/*.dxf | wc -l)
[ "$count" -eq 10 ] || { echo "FAIL: expected 10 drawings, found $count"; fail=1; }
[ "$fail" -eq 0 ] && echo "all $count drawings and both workbooks read by ezdxf, LibreCAD and openpyxl"
exit "$fail"
