#!/usr/bin/env bash
# check-help.sh CHM...: reads each compiled help file with 7-Zip (a CHM reader
# we did not write) and checks what a user of the help viewer relies on:
# - every page that the contents (.hhc) and the index (.hhk) name is inside,
#   and every page inside is in the contents;
# - every link and image of every page leads to a file inside, and a link to
#   an anchor leads to one that exists;
# - every page declares its character set and no file holds UTF-8 umlauts:
#   the viewer shows the contents, the index and the page titles in the
#   file's code page (Latin-1), so "Gr&ouml;&szlig;e" must not become "GrÃ¶ÃŸe".
set -uo pipefail
export LC_ALL=C
command -v 7z >/dev/null || { echo "check-help: 7z not found (Debian package p7zip-full)"; exit 1; }

failures=0
fail() { echo "$chm: $*"; failures=$((failures + 1)); }
values() { grep -o -i -E "$1=\"[^\"]*\"" "$2" | sed -E 's/^[^"]*"//; s/"$//'; }

for chm in "$@"; do
  if [ ! -f "$chm" ]; then fail "not built (is chmcmd installed?)"; continue; fi
  tmp=$(mktemp -d)
  7z x -y -o"$tmp" "$chm" >/dev/null || fail "7z cannot read it"
  declare -A inside=()
  while read -r name; do inside[$name]=1; done < <(7z l -slt "$chm" | sed -n 's/^Path = //p' | tail -n +2)
  contents=$(compgen -G "$tmp/*.hhc"); index=$(compgen -G "$tmp/*.hhk")
  [ -n "$contents" ] && [ -n "$index" ] || { fail "no contents or no index inside"; rm -rf "$tmp"; continue; }

  declare -A listed=()
  for sitemap in "$contents" "$index"; do
    while read -r page; do
      [ -n "${inside[$page]:-}" ] || fail "${sitemap##*/} names $page, which is not inside"
      [ "$sitemap" = "$contents" ] && listed[$page]=1
    done < <(grep -o -i -E '<param name="Local" value="[^"]*"' "$sitemap" | sed -E 's/.*value="//; s/"$//')
    grep -qP '\xC3[\x80-\xBF]' "$sitemap" && fail "${sitemap##*/} holds UTF-8"
  done

  pages=0 links=0
  for name in "${!inside[@]}"; do
    case $name in *.htm|*.html) ;; *) continue ;; esac
    pages=$((pages + 1)); file="$tmp/$name"; folder=$(dirname "$file")
    [ -n "${listed[$name]:-}" ] || fail "$name is not in the contents"
    grep -qi 'charset=' "$file" || fail "$name declares no character set"
    grep -qP '\xC3[\x80-\xBF]' "$file" && fail "$name holds UTF-8"
    while read -r link; do
      case $link in http:*|https:*|mailto:*) continue ;; esac
      links=$((links + 1)); target=${link%%#*}; anchor=${link#"$target"}; anchor=${anchor#\#}
      [ -n "$target" ] && target=$(realpath -m --relative-to="$tmp" "$folder/$target") || target=$name
      if [ -z "${inside[$target]:-}" ]; then fail "$name links to $link, which is not inside"
      elif [ -n "$anchor" ] && ! grep -q -E "(id|name)=\"$anchor\"" "$tmp/$target"; then
        fail "$name links to $link, but $target has no such anchor"
      fi
    done < <(values href "$file"; values src "$file")
  done
  echo "$chm: ${#inside[@]} files, $pages pages, $links links"
  [ "$pages" -gt 0 ] || fail "holds no pages"
  unset inside listed
  rm -rf "$tmp"
done
[ "$failures" -eq 0 ] || { echo "check-help: $failures problems"; exit 1; }
