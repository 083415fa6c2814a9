#!/usr/bin/env bash
# Remakes the seed corpora in fuzz/corpus/ from the sample-data tool's
# output: fuzz/make_corpus.sh BUILD_DIR (a build that has zgloszenia-demo).
# The register's record files and word lists are not among the tool's files;
# their seeds are a free record 0 and one record in use, and a short list.
set -euo pipefail
fuzz="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for mode in 0 1 2; do
  "$1/tools/zgloszenia-demo" "$work/m$mode" --taxpayers 2 --mode "$mode"
done
rm -rf "$fuzz/corpus"
python3 - "$work" "$fuzz/corpus" <<'PY'
import os, struct, sys
work, corpus = sys.argv[1], sys.argv[2]

def put(target, name, data):
    os.makedirs(os.path.join(corpus, target), exist_ok=True)
    with open(os.path.join(corpus, target, name), "wb") as f:
        f.write(data)

def read(mode, name):
    with open(os.path.join(work, "m%d" % mode, name), "rb") as f:
        return f.read()

def text(record, offset, value):
    record[offset] = len(value)
    record[offset + 1:offset + 1 + len(value)] = value

# Ledger: two taxpayers; in the second seed the first is a partnership whose
# partner is the second.
LEDGER = 3953
put("ledger_prefill", "taxpayers", read(1, "konta200.Rdx"))
ledger = bytearray(read(2, "konta200.Rdx"))
ledger[LEDGER + 288] = 2
ledger[LEDGER + 301:LEDGER + 305] = struct.pack("<i", 2)
put("ledger_prefill", "partnership", bytes(ledger))

# Tax offices: record 0 and the first ten offices.
put("tax_offices", "offices", read(1, "urzedy.Rdx")[:11 * 286])

for mode in range(3):
    put("office_identity", "biuro%d" % mode, read(mode, "biuro.Rdx"))
    # First byte: 0 "Bank.", 1 "strycz.".
    put("startup", "bank%d" % mode, b"\x00" + read(mode, "Bank.Rdx"))
put("startup", "rates", b"\x01" + read(1, "strycz.Rdx"))

# First byte: file (0..5) + 6 * (0 margins, 1 spacings, 2 defaults).
margins = ["margnip1", "margnip2", "margnip3", "margvatr", "margvatz", "marvat21"]
spacings = ["odsnip1", "odsnip2", "odsnip3", "odsvatr", "odsvatz", "odsv21"]
for i, base in enumerate(margins):
    put("calibration_files", base, bytes([i]) + read(1, base + ".Rdx"))
for i, base in enumerate(spacings):
    put("calibration_files", base, bytes([6 + i]) + read(1, base + ".Rdx"))
    put("calibration_files", base + "d", bytes([12 + i]) + read(1, base + "d.Rdx"))

# Record files: first byte kind (0..4) + 5 * (form type - 1).
# (kind, record size, name offset, form type offset or None)
kinds = [(0, 4858, 144, 2416), (1, 957, 312, None), (2, 597, 85, None), (3, 1624, 85, None), (4, 922, 24, None)]
for kind, size, name_at, form_at in kinds:
    for form_type in ([1, 2, 3] if form_at else [1]):
        free = bytearray(size)
        text(free, 0, b"    ")
        used = bytearray(size)
        text(used, 0, b"1")
        text(used, 9, b"5260001246")
        text(used, name_at, "Zak \u017bak".encode("cp1250"))
        if form_at:
            used[form_at] = form_type
        put("record_list", "kind%d_type%d" % (kind, form_type), bytes([kind + 5 * (form_type - 1)]) + free + used)

put("dictionary", "countries", "Polska\r\nNiemcy\r\n\u0141otwa\r\n".encode("cp1250"))
put("dictionary", "lf_lines", b"Bank A\nBank B")

# The exporter's arguments, each ended by a NUL byte.
def args(*words):
    return b"".join(w.encode() + b"\0" for w in words)
put("exporter_arguments", "plain", args("NIP-1", "1", "nip1.pdf"))
put("exporter_arguments", "options", args("vat-r", "002", "out.pdf", "--pages", "1,3", "--resolution", "300"))
put("exporter_arguments", "data_file", args("NIP-2", "1", "REJFOR.Rdx"))
put("exporter_arguments", "unknown", args("--bogus", "NIP-3"))
PY
