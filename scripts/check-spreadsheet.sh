#!/bin/sh
# Opens the journal's OpenDocument spreadsheet (zorbiks-report --ods) in
# LibreOffice, headless, once under an English and once under a Russian
# locale, and checks what the office program reads:
#  - under the Russian locale, every sheet shows what the journal's own CSV
#    shows (the same dates, times, counts and shares);
#  - under the English locale, the same values, the shares with a decimal
#    point: a share is a number the reader formats, not text;
#  - the cells' raw values under the English locale show the dates as
#    English dates and the times with AM/PM: dates and times are typed too.
# Installs LibreOffice Calc (without its GUI) if it is missing.
set -eu
cd "$(dirname "$0")/.."
started=$(date +%s)
./scripts/install-deps.sh --with-office
installed=$(date +%s)
./scripts/build.sh zorbiks-report make_journal >/dev/null
work=$PWD/build/spreadsheet-check
rm -rf "$work"
mkdir -p "$work"
fail() { echo "check-spreadsheet: $*" >&2; exit 1; }

build/tools/make_journal "$work/Zorbiks.txt" 300 11 >/dev/null
build/bin/zorbiks-report --ods "$work/journal.fods" "$work/Zorbiks.txt" 2>/dev/null
build/bin/zorbiks-report --csv "$work/Zorbiks.txt" >"$work/tables.csv" 2>/dev/null

# convert LOCALE SHOWN: the sheets as CSV files in $work/LOCALE-SHOWN/, the
# cells as shown (true) or their raw values (false).
convert() {
    profile="$work/profile-$1"
    mkdir -p "$profile/user"
    cat >"$profile/user/registrymodifications.xcu" <<XCU
<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry">
<item oor:path="/org.openoffice.Setup/L10N"><prop oor:name="ooSetupSystemLocale" oor:op="fuse"><value>$1</value></prop></item>
</oor:items>
XCU
    env -u DISPLAY LC_ALL=C.UTF-8 HOME="$work" soffice -env:UserInstallation="file://$profile" \
        --headless --convert-to \
        "csv:Text - txt - csv (StarCalc):59,34,76,1,,0,false,true,$2,false,false,-1" \
        --outdir "$work/$1-$2" "$work/journal.fods" >"$work/soffice-$1-$2.log" 2>&1 ||
        { cat "$work/soffice-$1-$2.log"; fail "LibreOffice could not convert the spreadsheet"; }
}
for locale in ru-RU en-US; do
    convert "$locale" true
done
convert en-US false
converted=$(date +%s)

# The journal's CSV, one file per table, as LibreOffice writes them: no
# byte-order mark, LF line ends.
sed '1s/^\xEF\xBB\xBF//; s/\r$//' "$work/tables.csv" | awk -v dir="$work/journal" '
    BEGIN { system("mkdir -p " dir) }
    /^(Работы|Ученики|Вопросы)$/ { file = dir "/journal-" $0 ".csv"; next }
    /^$/ { next }
    { print > file }'
for sheet in Работы Ученики Вопросы; do
    ru="$work/ru-RU-true/journal-$sheet.csv"
    en="$work/en-US-true/journal-$sheet.csv"
    [ -s "$ru" ] && [ -s "$en" ] || fail "LibreOffice wrote no sheet $sheet"
    # The journal's shares have no per cent sign; LibreOffice's have one.
    tr -d '%' <"$ru" >"$work/shown.csv"
    tr -d '%' <"$work/journal/journal-$sheet.csv" >"$work/journal.csv"
    cmp -s "$work/shown.csv" "$work/journal.csv" ||
        fail "under the Russian locale the sheet $sheet differs from the journal's CSV:
$(diff "$work/shown.csv" "$work/journal.csv" | head)"
    sed -E 's/([0-9]+)\.([0-9])%/\1,\2%/g' "$en" | cmp -s - "$ru" ||
        fail "the sheet $sheet reads differently under the English and the Russian locale:
$(sed -E 's/([0-9]+)\.([0-9])%/\1,\2%/g' "$en" | diff - "$ru" | head)"
    echo "$sheet: $(($(wc -l <"$ru") - 1)) rows, the same under both locales and as the journal shows them"
done
grep -Eq ';[0-9]+\.[0-9]%$' "$work/en-US-true/journal-Вопросы.csv" ||
    fail "the shares are not numbers: no English decimal point under the English locale"
if grep -Eq '[0-9]\.[0-9]%' "$work/ru-RU-true/journal-Вопросы.csv"; then
    fail "a share shows an English decimal point under the Russian locale"
fi
sed -n 2p "$work/en-US-false/journal-Работы.csv" | grep -Eq '^[0-9]{2}/[0-9]{2}/[0-9]{4};[0-9:]+ (AM|PM);' ||
    fail "dates and times are not typed: $(sed -n 2p "$work/en-US-false/journal-Работы.csv")"
echo "check-spreadsheet: LibreOffice reads the journal's numbers, shares, dates and times" \
    "as such under both locales (installing: $((installed - started)) s; building, exporting" \
    "and three conversions: $((converted - installed)) s)"
