#!/usr/bin/env bash
# Whether every shipped translation is whole and up to date: lupdate, run on
# the sources into a scratch copy of translations/, must change nothing (a
# word added without its translations changes the file), and no entry may
# be unfinished, vanished, obsolete or empty.
#   translations-current.sh LUPDATE SOURCE_DIR
set -u
lupdate=$1
root=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0
for ts in "$root"/translations/shootalot_*.ts; do
  name=$(basename "$ts")
  language=${name#shootalot_}; language=${language%.ts}
  cp "$ts" "$scratch/$name"
  "$lupdate" -silent -no-obsolete -locations none -source-language en -target-language "$language" \
    "$root/src" -ts "$scratch/$name" || { echo "lupdate failed on $name"; exit 1; }
  if ! cmp -s "$ts" "$scratch/$name"; then
    echo "$name is not up to date with the sources (run lupdate, then translate what it added):"
    diff -u "$ts" "$scratch/$name" | head -40
    failed=1
  fi
  if grep -nE 'type="(unfinished|vanished|obsolete)"|<translation></translation>|<translation/>' "$ts"; then
    echo "$name has entries without a finished translation"
    failed=1
  fi
done
[ $failed -eq 0 ] && echo "every translation whole and up to date"
exit $failed
