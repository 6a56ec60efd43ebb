#!/usr/bin/env bash
# Slips: small changes to the core of the kind a developer makes by mistake
# (an off-by-one bound, swapped bytes, a wrong mask, a dropped check, the
# wrong rounding, an inverted condition), one at a time. For each row of the
# table at the end of this file the change is made in the working tree, the
# core tests are rebuilt (ninja, incrementally) and run, and the file is put
# back, however the run ends. The tests of the slip's own folder run first
# (its test program alone, rebuilt alone); only when they pass are all core
# tests rebuilt and run (ctest -L core). A slip that no behaviour test
# notices is a gap in the tests.
#
# It takes a rebuild and a test run per slip, so it is run by hand, never in
# CI:
#   nice -n 19 scripts/slips.sh              every slip
#   scripts/slips.sh --only 'link/|image/'   the rows whose file matches
#   scripts/slips.sh --rows 1-10,42          rows by number
#   scripts/slips.sh --check                 only look for stale rows
# Options: -j N (jobs, default 2), --limit S (seconds a slip's test run may
# take, default 300), --build DIR (default build/release).
#
# Each row is
#   @ FILE  what the slip is
#   - text to find (exactly once in FILE, else the row is stale)
#   + its replacement (nothing after "+" deletes it)
#   ! cannot be seen: why       (optional: no behaviour could tell)
# with "⏎" standing for a line break inside the texts.
#
# A slip counts as caught when a core test fails (or times out); one whose
# build fails is reported as "does not build" and counts neither way. The
# exit status is 1 when a slip not marked "cannot be seen" survived, 2 when
# there are stale rows (and none survived), else 0.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${CI:-}" == true ]]; then
    echo "slips.sh rebuilds and tests the core once per slip; it is run by hand, not in CI" >&2
    exit 2
fi

jobs=2
limit=300
build=build/release
only=
rows=
check=0
while (($#)); do
    case "$1" in
    -j) jobs="$2"; shift 2 ;;
    --limit) limit="$2"; shift 2 ;;
    --build) build="$2"; shift 2 ;;
    --only) only="$2"; shift 2 ;;
    --rows) rows="$2"; shift 2 ;;
    --check) check=1; shift ;;
    -h | --help) sed -n '2,30p' "$0"; exit 0 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
done

targets=(velmar_core_tests velmar_image_tests velmar_cli_tests velmar_compare_tests
         velmar_xls_tests velmar_memory_tests velmar_lists_tests velmar_link_tests
         velmar_command_tests velmar_edit_script_tests
         # The example images' up-to-date checks run these (with -L core).
         velmar-make-example velmar-make-cable-example)
# The test program of each core folder, run first.
declare -A folder_tests=([contracts]=velmar_core_tests [model]=velmar_core_tests
                         [document]=velmar_core_tests [platform]=velmar_core_tests
                         [util]=velmar_core_tests [image]=velmar_image_tests
                         [compare]=velmar_compare_tests [lists]=velmar_lists_tests
                         [xls]=velmar_xls_tests [link]=velmar_link_tests)
script="$PWD/scripts/slips.sh"
work="$build/slips"
pending="$work/pending" # the file a slip is in and its saved copy, while one is applied

# The table is read, checked and applied by this helper: texts are matched
# literally, whatever characters they hold.
helper() {
    python3 - "$script" "$@" <<'PY'
import sys, os, shutil
script, op, *args = sys.argv[1:]
text = open(script, encoding="utf-8").read()
begin = text.index("\n: <<'__SLIPS__'\n") + len("\n: <<'__SLIPS__'\n")
table = text[begin:text.index("\n__SLIPS__\n", begin)]
slips, cur = [], None
for n, line in enumerate(table.splitlines(), 1):
    if not line.strip() or line.startswith("#"):
        continue
    tag, rest = line[0], line[2:] if len(line) > 1 else ""
    if tag == "@":
        cur = {"file": rest.split()[0], "what": rest[len(rest.split()[0]):].strip(), "mark": ""}
        slips.append(cur)
    elif tag in "-+!" and cur is not None:
        cur[{"-": "find", "+": "with", "!": "mark"}[tag]] = rest.replace("⏎", "\n")
    else:
        sys.exit(f"slips table line {n}: cannot read {line!r}")
for i, s in enumerate(slips, 1):
    if "find" not in s or "with" not in s:
        sys.exit(f"slip {i} ({s['file']}) lacks its find or replacement line")
def occurrences(s):
    try:
        return open(s["file"], encoding="utf-8").read().count(s["find"])
    except FileNotFoundError:
        return 0
if op == "count":
    print(len(slips))
elif op == "show":
    s = slips[int(args[0]) - 1]
    print(f"{s['file']}\t{s['what']}\t{s['mark']}")
elif op == "stale":
    for i, s in enumerate(slips, 1):
        if occurrences(s) != 1:
            print(f"{i}\t{s['file']}\t{occurrences(s)}")
elif op == "apply":
    s = slips[int(args[0]) - 1]
    if occurrences(s) != 1:
        sys.exit(3)
    saved = args[1]
    shutil.copyfile(s["file"], saved)
    with open(args[2], "w") as p:
        p.write(f"{s['file']}\n{saved}\n")
    body = open(s["file"], encoding="utf-8").read().replace(s["find"], s["with"], 1)
    with open(s["file"], "w", encoding="utf-8") as f:
        f.write(body)
PY
}

# Puts back the file of the slip that is applied, if any. A plain copy, so
# the file is newer than what was built from the slip and ninja rebuilds it.
restore() {
    if [[ -f "$pending" ]]; then
        local file saved
        { read -r file; read -r saved; } <"$pending"
        cp "$saved" "$file"
        rm -f "$pending" "$saved"
    fi
}
trap restore EXIT
trap 'restore; echo; echo "interrupted: the last slip is put back" >&2; exit 130' INT TERM HUP


total=$(helper count)
selected=()
if [[ -n "$rows" ]]; then
    IFS=, read -ra parts <<<"$rows"
    for part in "${parts[@]}"; do
        if [[ "$part" == *-* ]]; then
            for ((i = ${part%-*}; i <= ${part#*-}; ++i)); do selected+=("$i"); done
        else
            selected+=("$part")
        fi
    done
else
    for ((i = 1; i <= total; ++i)); do selected+=("$i"); done
fi

stale=$(helper stale)
if [[ -n "$stale" ]]; then
    echo "Stale rows (the text to find does not occur exactly once):"
    while IFS=$'\t' read -r i file n; do
        printf '  %3s %s (%s times)\n' "$i" "$file" "$n"
    done <<<"$stale"
fi
if ((check)); then
    echo "$total slips in the table."
    [[ -z "$stale" ]] || exit 2
    exit 0
fi

mkdir -p "$work"
restore # a run killed outright may have left one applied

if [[ ! -f "$build/build.ninja" ]]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake --preset release -DVELMAR_GUI=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON \
        "${launcher[@]}" >/dev/null
fi
if grep -q '^VELMAR_GUI:BOOL=ON' "$build/CMakeCache.txt"; then
    # There the CLI tests need the editor built: leave them out rather than
    # build the GUI once per slip (their old build still runs, and passes).
    echo "note: $build builds the GUI; the CLI tests are not rebuilt (configure with -DVELMAR_GUI=OFF)"
    targets=("${targets[@]/velmar_cli_tests/}")
fi

build_core() {
    timeout "$limit" cmake --build "$build" -j"$jobs" --target "$@"
}
# The slip's own folder's test program, alone: 0 when it passes.
test_folder() {
    timeout --kill-after=10 "$limit" "$build/tests/$1" --gtest_brief=1
}
# The core behaviour tests: not the formatting check, not the slow peer,
# soak and interoperability tests (they carry other labels).
test_core() {
    timeout --kill-after=10 "$limit" \
        ctest --test-dir "$build" -L '^core$' -E '^clang_format$' -j"$jobs" --timeout 120 \
        --stop-on-failure --output-on-failure
}

echo "Baseline: building and running the core tests without a slip ..."
start=$SECONDS
if ! build_core "${targets[@]}" >"$work/baseline.log" 2>&1 ||
    ! test_core >>"$work/baseline.log" 2>&1; then
    echo "The core tests fail without any slip; see $work/baseline.log" >&2
    exit 2
fi
echo "  passed in $((SECONDS - start)) s"

caught=0 survived=0 unseen=0 unbuilt=0 skipped=0
survivors=()
for i in "${selected[@]}"; do
    IFS=$'\t' read -r file what mark < <(helper show "$i")
    [[ -z "$only" || "$file" =~ $only ]] || continue
    label=$(printf '%3d %s: %s' "$i" "$file" "$what")
    log="$work/slip-$i.log"
    if ! helper apply "$i" "$work/saved-$i" "$pending"; then
        echo "stale           $label"
        skipped=$((skipped + 1))
        continue
    fi
    start=$SECONDS
    quick=${folder_tests[${file%%/*}]:-}
    failed=
    if [[ -n "$quick" ]] && build_core "$quick" >"$log" 2>&1 && ! test_folder "$quick" >>"$log" 2>&1; then
        failed=$(grep -m1 -E '^\[  FAILED  \] ' "$log" | sed -E 's/^\[  FAILED  \] //; s/, where GetParam.*//; s/ \([0-9]+ ms\)$//' || true)
        [[ -n "$failed" ]] || failed="$quick (crashed or hit the time limit)"
    fi
    if [[ -n "$failed" ]]; then
        echo "caught          $label  by $failed  [$((SECONDS - start)) s]"
        caught=$((caught + 1))
        [[ -z "$mark" ]] || echo "                (marked \"$mark\", but a test saw it: drop the mark)"
    elif ! build_core "${targets[@]}" >>"$log" 2>&1; then
        echo "does not build  $label"
        unbuilt=$((unbuilt + 1))
    elif test_core >>"$log" 2>&1; then
        if [[ -n "$mark" ]]; then
            echo "unseen          $label ($mark)"
            unseen=$((unseen + 1))
        else
            echo "SURVIVED        $label"
            survived=$((survived + 1))
            survivors+=("$label")
        fi
    else
        failed=$(grep -m1 -E '^[[:space:]]*[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception|Child aborted)' "$log" |
                 sed -E 's/^[[:space:]]*[0-9]+ - //; s/  # GetParam\(\) = / /' || true)
        [[ -n "$failed" ]] || failed="(time limit of $limit s)"
        echo "caught          $label  by $failed  [$((SECONDS - start)) s]"
        caught=$((caught + 1))
        [[ -z "$mark" ]] || echo "                (marked \"$mark\", but a test saw it: drop the mark)"
    fi
    restore
done

judged=$((caught + survived))
echo
echo "Slips: $caught caught, $survived survived, $unseen marked \"cannot be seen\" and not seen," \
     "$unbuilt do not build, $skipped stale."
if ((judged > 0)); then
    echo "Score: $caught of $judged observable slips caught ($((100 * caught / judged)) %)."
fi
if ((survived > 0)); then
    echo "Survivors:"
    printf '  %s\n' "${survivors[@]}"
    exit 1
fi
[[ -z "$stale" ]] || exit 2
exit 0

# The table, read by the helper above (a here-document the shell skips).
: <<'__SLIPS__'
# ---- contracts ------------------------------------------------------------------------
@ contracts/ZorvDB.cpp  keyed Add: re-adding the highest key no longer renews the key generation
- if (key > t->highestKey)
+ if (key >= t->highestKey)

@ contracts/ZorvDB.cpp  keyless Add hands out the highest key again
- return t.highestKey + 1;
+ return t.highestKey;

@ contracts/ZorvDB.cpp  keyed Add takes key 0
- if (!t || !owned || key == 0)
+ if (!t || !owned)

@ contracts/TableSnapshot.cpp  SameAs ignores key changes
- if (a.key != b.key)
+ if (false)

@ contracts/TableSnapshot.cpp  SameAs ignores the highest key
- m_highestKey != other.m_highestKey ||
+

@ contracts/TableSnapshot.cpp  SameAs compares only the rows that share their copy
- if (a.bytes != b.bytes && !SameRowContent(Bytes(i), other.Bytes(i)))
+ if (a.bytes == b.bytes && !SameRowContent(Bytes(i), other.Bytes(i)))

@ contracts/Policy.cpp  UHF names end one multiplex early
- if (index <= 48)
+ if (index < 48)

@ contracts/Policy.cpp  the frequency table index loses its top bit
- kOffsets[table & 7]
+ kOffsets[table & 3]

@ contracts/ReceiverProfiles.cpp  the single block recognised by the satellite bit
- return p.productList == 10 && (p.productType & 0x04) != 0;
+ return p.productList == 10 && (p.productType & 0x01) != 0;

# ---- model ----------------------------------------------------------------------------
@ model/ChannelEdits.cpp  renumbering a moved set: the moved number's twins stay
- if (sn <= rn && rn < n && rn > 0)
+ if (sn < rn && rn < n && rn > 0)

@ model/ChannelEdits.cpp  renumbering a moved set: moving up shifts the moved number's twins too
- else if (n <= rn && rn < sn)
+ else if (n <= rn && rn <= sn)

@ model/ChannelEdits.cpp  genre 15 refused
- if (genre < 0 || genre > kAttrGenreMask)
+ if (genre < 0 || genre >= kAttrGenreMask)

@ model/ChannelEdits.cpp  a joining channel takes the highest position instead of the next
- return static_cast<WORD>(highest + 1);
+ return static_cast<WORD>(highest);

@ model/ChannelEdits.cpp  favourite list 32 refused
- return listNumber >= 1 && listNumber <= kFavoritePositions;
+ return listNumber >= 1 && listNumber < kFavoritePositions;

@ model/ChannelEdits.cpp  a favourite name of the longest length refused
- if (name.size() > kFavoriteNameMax)
+ if (name.size() >= kFavoriteNameMax)

@ model/Duplicates.cpp  the last of the lowest number kept instead of the first
- if (number < lowest) {
+ if (number <= lowest) {

@ model/Duplicates.cpp  single channels reported as duplicate groups
- return g.size() < 2;
+ return g.size() < 1;

@ model/Duplicates.cpp  a group's root is its last member, not its first
- m_parent[std::max(a, b)] = std::min(a, b);
+ m_parent[std::min(a, b)] = std::max(a, b);

@ model/QuickNameFilter.cpp  Þ not folded to þ
- for (int i = 0xC0; i <= 0xDE; ++i)
+ for (int i = 0xC0; i < 0xDE; ++i)

@ model/QuickNameFilter.cpp  the multiplication sign folded like a letter
- if (i != 0xD7)
+ if (i != 0xD8)

@ model/ChannelFilter.cpp  favourite filter one list off
- const DWORD mask = DWORD{1} << (favorite - 1);
+ const DWORD mask = DWORD{1} << favorite;

@ model/ChannelFilter.cpp  genre filter with a three-bit mask
- (c.Attributes & kAttrGenreMask) != genre
+ (c.Attributes & 0x07) != genre

@ model/ChannelFilter.cpp  terrestrial channels shown in the satellite views
- if (satellite == 0 && terrestrial)
+ if (satellite == 0 && !terrestrial)

@ model/RecordChecks.cpp  PID 8191 refused
- if (pid <= kMaxPid)
+ if (pid < kMaxPid)

@ model/RecordChecks.cpp  a satellite at 360.0 degrees accepted
- if (s.Degree >= 3600)
+ if (s.Degree > 3600)

@ model/RecordChecks.cpp  compact names get the full length, not one less
- return std::max(nameLength - 1, 1);
+ return nameLength;

@ model/RecordChecks.cpp  a channel both TV and radio accepted
- if (tv == radio)
+ if (!tv && !radio)

@ model/BroadcastCounts.cpp  radio channels counted by the TV bit
- radio += (attributes & kAttrRadio) ? 1 : 0;
+ radio += (attributes & kAttrTV) ? 1 : 0;

@ model/DeleteCounts.cpp  an empty satellite slot's channels counted too
- if (s->ID != 0)⏎                ids.insert(s->ID);
+ ids.insert(s->ID);

@ model/DeleteCounts.cpp  "0 channel"
- (n == 1 ? one : many)
+ (n <= 1 ? one : many)

@ model/ChannelTable.cpp  equal numbers lose their table order
- std::stable_sort(first, last, byNumber);
+ std::sort(first, last, byNumber);

@ model/ChannelTable.cpp  sorts even a sorted list
- if (!std::is_sorted(first, last, byNumber))
+ if (true)
! cannot be seen: only skips the sort of a list that is in order already

@ model/ReferenceOrder.cpp  the favourite room check one short
- if (nextPosition[k] + unmatchedMembers[k] > kMaxNumber) {
+ if (nextPosition[k] + unmatchedMembers[k] >= kMaxNumber) {

# ---- document -------------------------------------------------------------------------
@ document/Statistics.cpp  channels that are both TV and radio counted twice
- s.radio += !IsTV(c) && IsRadio(c) ? 1 : 0;
+ s.radio += IsRadio(c) ? 1 : 0;

@ document/Statistics.cpp  the product's empty tables left out
- if (ProductHasTable(table, s.productType) || count > 0)
+ if (ProductHasTable(table, s.productType) && count > 0)

@ document/EditSession.cpp  a table empty before and after compared whole
- else if (sizes[t] != 0)⏎            unsure |= TableBit(t);
+ else⏎            unsure |= TableBit(t);
! cannot be seen: two empty snapshots with the same key counter are the same, so the comparison only costs time

@ document/EditSession.cpp  keys taken as renewed when the generation stayed
- m_db.KeyGeneration(kTableChannel) != generation;
+ m_db.KeyGeneration(kTableChannel) == generation;

@ document/EditSession.cpp  the saved mark kept although only redo reaches it
- if (m_savedAt && *m_savedAt > m_nApplied)
+ if (m_savedAt && *m_savedAt > m_nApplied + 1)

@ document/ListCheck.cpp  0x8F taken for a character
- byte != 0x8D && byte != 0x8F &&
+ byte != 0x8D &&

@ document/ListCheck.cpp  favourite positions counted from 0
- broken |= positions[i] != i + 1;
+ broken |= positions[i] != i;

@ document/RecoveryFile.cpp  a recovery file without the working header accepted
- if (out.image.size() < static_cast<std::size_t>(kWorkingHeaderSize) ||
+ if (out.image.size() < 4 ||

# ---- compare --------------------------------------------------------------------------
@ compare/FrequencyPairing.cpp  the last of equal gaps wins
- gap < bestGap) {
+ gap <= bestGap) {

@ compare/FrequencyPairing.cpp  a gap of exactly the tolerance left unpaired
- std::int64_t bestGap = toleranceKHz + 1;
+ std::int64_t bestGap = toleranceKHz;

@ compare/Multiplexes.cpp  polarisation from the wrong bit
- return {t.Index, t.PolFEC & 1, std::int64_t{t.Frequency} * 1000};
+ return {t.Index, t.PolFEC & 2, std::int64_t{t.Frequency} * 1000};

@ compare/Multiplexes.cpp  a changed symbol rate is no change
- return a.Frequency != b.Frequency || a.SymbolRate != b.SymbolRate ||
+ return a.Frequency != b.Frequency ||

@ compare/ListCompare.cpp  180.0 degrees shown as west
- const bool west = degree > 1800;
+ const bool west = degree >= 1800;

# ---- image ----------------------------------------------------------------------------
@ image/ChannelEntryCodecs.cpp  standard decode: CodeTable read one byte early (the name's zero)
- c.CodeTable = e.U8(27 + L);
+ c.CodeTable = e.U8(26 + L);

@ image/ChannelEntryCodecs.cpp  compact decode: StreamType read from the Favorite byte
- c.StreamType = e.U8(x + 18 + L);
+ c.StreamType = e.U8(x + 17 + L);

@ image/ChannelEntryCodecs.cpp  network decode: NetNameID one byte late
- c.NetNameID = e.U16(33 + L);
+ c.NetNameID = e.U16(34 + L);

@ image/ChannelEntryCodecs.cpp  single-block decode: VolOffset read from the Favorite byte
- c.VolOffset = e.U8(30 + L);
+ c.VolOffset = e.U8(29 + L);

@ image/ChannelEntryCodecs.cpp  service head: TSID read from the BroadcastID word
- c.TSID = e.U16(12);
+ c.TSID = e.U16(10);

@ image/ChannelEntryCodecs.cpp  compact encode: Favorite written as the whole word
- e.U8(x + 17 + L, static_cast<BYTE>(c.Favorite));
+ e.U16(x + 17 + L, static_cast<WORD>(c.Favorite));

@ image/EntryIO.h  big-endian 16-bit loads with the bytes swapped
- return order ? static_cast<WORD>((p[0] << 8) | p[1]) : static_cast<WORD>((p[1] << 8) | p[0]);
+ return order ? static_cast<WORD>((p[1] << 8) | p[0]) : static_cast<WORD>((p[1] << 8) | p[0]);

@ image/SectorWriter.cpp  sectors needed rounded down instead of up
- return 1 + (entries - first + later - 1) / later;
+ return 1 + (entries - first) / later;

@ image/ChannelFileChannels.cpp  twin-tuner fit: each channel counted once instead of twice
- * (twinTuner ? 2 : 1);
+ ;
! cannot be seen: the sector writer still refuses the entry past the block's last sector, so the save fails as before, only after filling the block in memory

@ image/ChannelFileChannels.cpp  one erased count ends the block
- if (a == 0xFFFF && b == 0xFFFF)
+ if (a == 0xFFFF || b == 0xFFFF)

@ image/ChannelFileChannels.cpp  channels without a satellite loaded
- if (c->Name[0] != '\0' && c->SatID != 0)
+ if (c->Name[0] != '\0')

@ image/ChannelFileChannels.cpp  TV and radio counts swapped in the trailer
- if (c.Attributes & kAttrTV)
+ if (c.Attributes & kAttrRadio)

@ image/ChannelFileChannels.cpp  the twin's tuner byte looked for one byte early
- const std::size_t tunerAt = std::size_t{28} + static_cast<std::size_t>(L);
+ const std::size_t tunerAt = std::size_t{27} + static_cast<std::size_t>(L);

@ image/ChannelFileBlocks.cpp  an erased count read as 65535 entries
- if (count == 0xFFFF || entrySize <= 0)
+ if (entrySize <= 0)

@ image/ChannelFileBlocks.cpp  a satellite count of 0 read as none instead of 120
- m_sat.fourth = t[2] == 0 ? 120 : t[2];
+ m_sat.fourth = t[2];

@ image/ChannelFileBlocks.cpp  255 satellites refused
- m_db.Size(kTableSatellite) > 255 ||
+ m_db.Size(kTableSatellite) >= 255 ||

@ image/ChannelFileBlocks.cpp  the satellite trailer's preserved bytes swapped
- s[Z - 4] = m_values.preserved[2];
+ s[Z - 4] = m_values.preserved[3];

@ image/ChannelFileBlocks.cpp  the short favourite sector written whole
- return writer.End(true, shortWrite ? 170 : 0);
+ return writer.End(true, shortWrite ? 0 : 170);

@ image/ChannelFileSingle.cpp  an erased single-block count read as all slots
- if (count == 0xFFFFFFFFu)⏎        return 0;
+

@ image/ChannelFileSingle.cpp  a count equal to the slots clamped with <=
- return count < static_cast<DWORD>(slots) ? static_cast<int>(count) : slots;
+ return count <= static_cast<DWORD>(slots) ? static_cast<int>(count) : slots;
! cannot be seen: at equality both branches give the same number

@ image/ChannelFileSingle.cpp  the single-block checksum stored little-endian
- WriteDWORD(t + 16, sum, 1);
+ WriteDWORD(t + 16, sum, 0);

@ image/ChannelFileSingle.cpp  the checksum leaves out the count words
- static_cast<std::size_t>((at.trailerAt + 16) / 4)
+ static_cast<std::size_t>((at.trailerAt + 12) / 4)

@ image/EntryCodecs.cpp  short satellite Tail read from the name's zero
- s.Tail = e.U8(31);
+ s.Tail = e.U8(30);

@ image/EntryCodecs.cpp  multiplex parameters keep two bits too many
- (DWORD{b[3] & 0x3Fu} << 24)
+ (DWORD{b[3] & 0xFFu} << 24)

@ image/EntryCodecs.cpp  guard interval with a four-bit mask
- p.GuardInterval = static_cast<BYTE>(b[1] & 0x1F);
+ p.GuardInterval = static_cast<BYTE>(b[1] & 0x0F);

@ image/EntryCodecs.cpp  cable multiplex Mark and Invert swapped on read
- m.Mark = e.U8(9);⏎    m.Invert = e.U8(10);
+ m.Mark = e.U8(10);⏎    m.Invert = e.U8(9);

@ image/EntryCodecs.cpp  transponder extension: ExtWord2 one byte early
- t.ExtWord2 = e.U16(16);
+ t.ExtWord2 = e.U16(15);

@ image/EntryCodecs.cpp  favourite Tail not read
- f.Tail = e.U8(19);
+ f.Tail = 0;

@ image/Checksums.cpp  CRC-16 with a wrong polynomial
- (crc << 1) ^ 0x1021
+ (crc << 1) ^ 0x1201

@ image/Checksums.cpp  the sector sum starts at 0
- std::uint64_t sum = 1;
+ std::uint64_t sum = 0;

@ image/Checksums.cpp  the sector checksum stored little-endian
- WriteWORD(&sector[z - 2], SectorChecksum(sector), 1);
+ WriteWORD(&sector[z - 2], SectorChecksum(sector), 0);

@ image/WorkingForm.cpp  the CRC padding of a whole kilobyte added anyway
- padding((1024 - range % 1024) % 1024, 0)
+ padding(1024 - range % 1024, 0)

@ image/WorkingForm.cpp  the image CRC stored big-endian
- WriteWORD(image.data() + 61, ImageCrc(image), 0);
+ WriteWORD(image.data() + 61, ImageCrc(image), 1);

@ image/ImageBuffer.cpp  a view from the end of the image checked with >
- if (offset < 0 || bytes <= 0 || offset >= Length())
+ if (offset < 0 || bytes <= 0 || offset > Length())
! cannot be seen: from the end there are no bytes to view either way

@ image/ImageBuffer.cpp  the largest image refused
- if (m_bBorrowed || end > kMaxImageFileBytes)
+ if (m_bBorrowed || end >= kMaxImageFileBytes)

@ image/Capacity.cpp  a count word of 0xFFFF allowed (it reads as erased)
- constexpr std::int64_t kMaxCountWord = 0xFFFE;
+ constexpr std::int64_t kMaxCountWord = 0xFFFF;

@ image/Capacity.cpp  256 satellites in a one-byte count
- 255, fit::PerSector(Z, E, 0, [=](int off) { return fit::Satellite(Z, E, off); }));
+ 256, fit::PerSector(Z, E, 0, [=](int off) { return fit::Satellite(Z, E, off); }));

@ image/Capacity.cpp  twin-tuner capacity counts each channel once
- return g.TwinTuner() ? slots / 2 : slots;
+ return slots;

@ image/FlashGeometry.cpp  a sector smaller than its trailer accepted
- if (sectorSize < kMinSectorSize || sectorSize > kMaxImageFileBytes)
+ if (sectorSize < 1 || sectorSize > kMaxImageFileBytes)

@ image/BlockRules.h  channel entries allowed one byte closer to the trailer
- return Z - off - 49 > E && !(network && off / E >= 255);
+ return Z - off - 50 > E && !(network && off / E >= 255);

# ---- lists ----------------------------------------------------------------------------
@ lists/Csv.cpp  a tie between commas and semicolons guessed as semicolons
- return semicolons > commas ? ';' : ',';
+ return semicolons >= commas ? ';' : ',';

@ lists/Csv.cpp  a field starting with a blank written without quotes
- if (field.front() == ' ' || field.back() == ' ' || field.front() == '\t' ||
+ if (field.back() == ' ' || field.front() == '\t' ||

@ lists/Csv.cpp  CRLF read as two line ends
- i += (c == '\r' && i + 1 < n && data[i + 1] == '\n') ? 2 : 1;
+ i += 1;

@ lists/ChannelCsv.cpp  ten plain digits read without the range check
- if (text.empty() || text.size() > 9)
+ if (text.empty() || text.size() > 10)

@ lists/ChannelCsv.cpp  the most negative 32-bit value refused in the wide columns
- const std::int64_t least = wide ? std::numeric_limits<std::int32_t>::min() : 0;
+ const std::int64_t least = wide ? -std::numeric_limits<std::int32_t>::max() : 0;

@ lists/ChannelCsv.cpp  UTF-8 of a name: the two-byte form up to 0x800
- if (c < 0x800) {
+ if (c <= 0x800) {
! cannot be seen: no Windows-1252 character maps to U+0800

@ lists/ReferenceLists.cpp  number 0 accepted in a reference list
- if (text.empty() || ec != std::errc() || end != text.data() + text.size() || n == 0 ||
+ if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||

@ lists/ReferenceLists.cpp  " HD" kept on names of four characters
- if (dropQuality && name.size() > 3) {
+ if (dropQuality && name.size() > 4) {

@ lists/SatelliteImport.cpp  circular polarisation counted from 1
- report.circular += x.polarization >= 2 ? 1 : 0;
+ report.circular += x.polarization >= 1 ? 1 : 0;

@ lists/SatelliteImport.cpp  a western position stored as is
- return static_cast<WORD>(position < 0 ? 3600 + position : position);
+ return static_cast<WORD>(position < 0 ? -position : position);

@ lists/ListText.cpp  UTF-8 surrogates accepted
- if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
+ if (cp < least || cp > 0x10FFFF)

# ---- platform -------------------------------------------------------------------------
@ platform/ByteOrder.cpp  16-bit reads in the wrong byte order
- return order ? static_cast<WORD>((b0 << 8) | b1) : static_cast<WORD>((b1 << 8) | b0);
+ return order ? static_cast<WORD>((b1 << 8) | b0) : static_cast<WORD>((b0 << 8) | b1);

@ platform/ByteOrder.cpp  32-bit writes in the wrong byte order
- const int shift = order ? 8 * (3 - i) : 8 * i;
+ const int shift = order ? 8 * i : 8 * (3 - i);

@ platform/CodePage.cpp  the two-byte lead 0xC0 accepted (overlong)
- if (lead >= 0xC2 && lead <= 0xDF) {
+ if (lead >= 0xC0 && lead <= 0xDF) {
! cannot be seen: such a sequence is below 0x80 and the overlong check refuses it anyway

@ platform/CodePage.cpp  no-break space not taken as itself
- if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
+ if (c < 0x80 || (c > 0xA0 && c <= 0xFF))

@ platform/CodePage.cpp  surrogates decoded from UTF-8
- if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
+ if (c < least || c > 0x10FFFF)
! cannot be seen: no code page character is a surrogate, so the conversion fails either way

@ platform/DisplayTexts.cpp  a comma too many in six-digit numbers
- const std::size_t commas = (digits - 1) / 3;
+ const std::size_t commas = digits / 3;

@ platform/DisplayTexts.cpp  tuner numbers from 0
- return code + 1;
+ return code;

@ platform/InputFile.cpp  a file of exactly the largest size refused
- if (size > maxBytes) {
+ if (size >= maxBytes) {

# ---- util -----------------------------------------------------------------------------
@ util/MapListBase.h  Add replaces the present value
- if (onPresent == OnPresent::Keep)⏎            return 1;
+

@ util/MapListBase.h  the next of the last key wraps to nothing checked too late
- if (it == m_map.end() || ++it == m_map.end())
+ if (it == m_map.end())

@ util/MapListStringID.cpp  a callback answering a negative number matches
- return SearchBy(callback, [](int r) { return r > 0; });
+ return SearchBy(callback, [](int r) { return r != 0; });

@ util/AutoResetEvent.cpp  the event stays set after a wait
- m_bSignaled = false;⏎    return WaitResult::Signaled;
+ return WaitResult::Signaled;

# ---- xls ------------------------------------------------------------------------------
@ xls/CompoundFile.cpp  sector offsets without the header sector
- const std::uint64_t at = (std::uint64_t{index} + 1) * m_nSectorSize;
+ const std::uint64_t at = std::uint64_t{index} * m_nSectorSize;

@ xls/CompoundFile.cpp  version 4 files (4096-byte sectors) refused
- if (shift != 9 && shift != 12)
+ if (shift != 9)

@ xls/CompoundFile.cpp  a stream's last partial sector dropped
- static_cast<std::size_t>((size + m_nSectorSize - 1) / m_nSectorSize);
+ static_cast<std::size_t>(size / m_nSectorSize);

@ xls/CompoundFile.cpp  a chain's loop check dropped
- if (s >= table.size() || out.size() >= limit || out.size() >= table.size())
+ if (s >= table.size() || out.size() >= limit)
! cannot be seen: a chain longer than its table must loop, and the length limit refuses it anyway, only later

@ xls/BiffRecords.h  RK integers one bit wide
- if (value < -(1 << 29) || value > (1 << 29) - 1)
+ if (value < -(1 << 29) || value > (1 << 29))

@ xls/BiffRecords.h  RK x100 integers not divided
- return {true, x100 ? v / 100 : v, 0};
+ return {true, v, 0};

@ xls/ChannelWorkbook.cpp  a sheet of exactly the most channels refused
- if (count > kMaxSheetChannels)
+ if (count >= kMaxSheetChannels)

@ xls/ExcelWriter.cpp  a string's header split across records
- if (w.InRecord() + 3 + (wide ? 2 : 1) > biff::kMaxRecordData)
+ if (w.InRecord() + 3 > biff::kMaxRecordData)
! cannot be seen: the header still fits, and a first character that moves on goes into a continued piece that restates the width, as the format allows

# ---- link -----------------------------------------------------------------------------
@ link/YmodemFrame.cpp  a 128-byte header leaves no zero and stays in a 128-byte block
- const std::size_t size = text.size() < kSmallPayload ? kSmallPayload : kLargePayload;
+ const std::size_t size = text.size() <= kSmallPayload ? kSmallPayload : kLargePayload;

@ link/YmodemFrame.cpp  the block number's complement one off
- frame[2] = static_cast<std::uint8_t>(0xFF - number);
+ frame[2] = static_cast<std::uint8_t>(0xFE - number);

@ link/YmodemFrame.cpp  the CRC's bytes swapped
- frame[3 + payloadSize] = static_cast<std::uint8_t>(crc >> 8);⏎    frame[4 + payloadSize] = static_cast<std::uint8_t>(crc & 0xFF);
+ frame[3 + payloadSize] = static_cast<std::uint8_t>(crc & 0xFF);⏎    frame[4 + payloadSize] = static_cast<std::uint8_t>(crc >> 8);

@ link/YmodemFrame.cpp  the size in the header read as octal
- if (!field(size, 10))
+ if (!field(size, 8))

@ link/YmodemSender.cpp  before the header: pending requests no longer dropped
- m_line.DropPending();⏎            return true;
+ return true;
! cannot be seen: Deliver drops what is pending right before the block goes out, so the waiting requests are gone either way

@ link/YmodemSender.cpp  before each block: pending input no longer dropped
- // Whatever came before this block cannot answer it.⏎        m_line.DropPending();
+

@ link/YmodemSender.cpp  a last piece of exactly 128 bytes sent in a long block
- const std::size_t size = left <= kSmallPayload ? kSmallPayload : kLargePayload;
+ const std::size_t size = left < kSmallPayload ? kSmallPayload : kLargePayload;

@ link/YmodemSender.cpp  one refusal more than the retries allow
- if (++failures < m_options.maxRetries)
+ if (++failures <= m_options.maxRetries)

@ link/YmodemReceiver.cpp  the padding of the last block written into the file
- static_cast<std::size_t>(std::min<std::uint64_t>(room, arrival.payload.size()));
+ arrival.payload.size();

@ link/YmodemReceiver.cpp  a file of exactly the largest size refused
- if (*header->size > m_options.maxFileSize)
+ if (*header->size >= m_options.maxFileSize)

@ link/YmodemReceiver.cpp  the first EOT taken at once
- if (!m_bEotOnce) {
+ if (m_bEotOnce) {

@ link/YmodemLine.cpp  a lone CAN cancels the transfer
- if (lastWasCancel)⏎            return LineEvent::PeerCancel;
+ if (!lastWasCancel)⏎            return LineEvent::PeerCancel;

@ link/YmodemLine.cpp  the transfer allowance counts whole blocks rounded down
- const std::uint64_t blocks = (size + kSmallPayload - 1) / kSmallPayload;
+ const std::uint64_t blocks = size / kSmallPayload;

@ link/ImageTransfer.cpp  reading the received file back: the size check dropped
- !ReadWholeFile(sink.Path(), image) || image.size() != result.total)
+ !ReadWholeFile(sink.Path(), image))

@ link/ImageTransfer.cpp  an empty source file sent
- if (image.empty())
+ if (false)

@ link/LinkResult.cpp  bidirectional controls shown as text
- const bool bidi = (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
+ const bool bidi = code >= 0x202A && code <= 0x202E;
@ xls/ExcelWriter.cpp  a directory record too short for its position copied as it was
- src.boundSheets[static_cast<std::size_t>(from)].size() >= kBoundSheetHead) {
+ src.boundSheets[static_cast<std::size_t>(from)].size() + kBoundSheetHead >= kBoundSheetHead) {
__SLIPS__
