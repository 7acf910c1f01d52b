#!/usr/bin/env bash
# Brings the catalogs in po/ up to date with the program: extracts every text
# the program looks up in its catalog (xgettext) into a template and merges it
# into each po/LANGUAGE.po (msgmerge), where a translator fills in the new
# and changed entries; `msgfmt --check --statistics po/ja.po` tells what is
# left. The build compiles the catalogs into the program.
#
#   update-catalogs.sh                   update po/*.po
#   update-catalogs.sh --template FILE   only write the template to FILE
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh >&2

template=""
if [ "${1:-}" = "--template" ]; then
  template="$2"
else
  template="$(mktemp)"
  trap 'rm -f "$template"' EXIT
fi

# The lookups of src/common/catalog.h: Translate, Format and TranslateCount
# (one and many), and CatalogKey for a text written apart from its lookup;
# the check's sentence patterns, PatternKey and PatternKeys (one and many).
# The sources are listed in one order everywhere, so the template is too.
find src -name '*.cc' -o -name '*.h' | LC_ALL=C sort |
  xgettext --language=C++ --from-code=UTF-8 --files-from=- --output="$template" \
    --keyword --keyword=Translate --keyword=Format --keyword=TranslateCount:1,2 \
    --keyword=CatalogKey --keyword=PatternKey --keyword=PatternKeys:1,2 \
    --flag=Format:1:c-format --add-comments=Translators: --add-location=file \
    --package-name=lwall --foreign-user 2>&1 |
  { grep -v -e 'msgid-bugs-address' -e 'Makevars' -e 'MSGID_BUGS_ADDRESS' -e 'specify an' >&2 || true; }
# The program's texts are UTF-8, whatever the template's default says.
sed -i 's/charset=CHARSET/charset=UTF-8/' "$template"

if [ "${1:-}" != "--template" ]; then
  for po in po/*.po; do
    msgmerge --quiet --update --backup=none --add-location=file "$po" "$template"
  done
fi
