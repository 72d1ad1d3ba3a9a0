#!/usr/bin/env bash
# The completions of tarnwick-cli for bash, zsh and fish, called as each shell calls them: the
# names and excluded folders of the settings file the command line names, one word each
# however they are spelt; the passes' numbers; folders with blanks.
#   completion_test.sh COMPLETION_DIR TARNWICK_CLI
set -euo pipefail
completions=$1
export PATH="$(dirname "$2"):$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_DATA_HOME=$work/data
settings=$work/own.ini
tarnwick-cli --settings "$settings" --add "a b.log" Setup.log >/dev/null
mkdir -p "$work/my folder/sub" "$work/tree"
tarnwick-cli --settings "$settings" --exclude-add "$work/my folder" >/dev/null
touch "$work/tree/Setup.log"
tarnwick-cli --settings "$settings" --trash "$work/tree" >/dev/null
failures=0
expect() {  # what, got, wanted
  if [ "$2" != "$3" ]; then
    printf '%s:\n  got:    %s\n  wanted: %s\n' "$1" "$2" "$3" >&2
    failures=$((failures + 1))
  fi
}

# bash
source "$completions/tarnwick-cli.bash"
complete_bash() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _tarnwick_cli
  printf '%s|' "${COMPREPLY[@]}"
}
expect "bash: names to remove" "$(complete_bash tarnwick-cli --settings "$settings" --remove '')" \
  'a\ b.log|Setup.log|'
expect "bash: names, with --settings=" \
  "$(complete_bash tarnwick-cli "--settings=$settings" --remove S)" 'Setup.log|'
expect "bash: excluded folders" \
  "$(complete_bash tarnwick-cli --settings "$settings" --exclude-remove '')" \
  "$(printf '%q' "$work/my folder")|"
expect "bash: passes" "$(complete_bash tarnwick-cli --settings "$settings" --undo '')" '1|'
expect "bash: a folder with a blank" "$(complete_bash tarnwick-cli "$work/my")" "$work/my folder|"
expect "bash: options" "$(complete_bash tarnwick-cli --dry)" '--dry-run|'

# fish
complete_fish() { fish --no-config -c "source '$completions/tarnwick-cli.fish'; complete -C '$1'" | cut -f1 | tr '\n' '|'; }
expect "fish: names to remove" "$(complete_fish "tarnwick-cli --settings $settings --remove ")" \
  'a b.log|Setup.log|'
expect "fish: passes" "$(complete_fish "tarnwick-cli --settings $settings --undo ")" '1|'
expect "fish: options" "$(complete_fish "tarnwick-cli --dry")" '--dry-run|'

# zsh: the file parses; its helpers give the lists a completion offers.
zsh -n "$completions/_tarnwick-cli"
complete_zsh() {  # helper, then the words so far
  zsh -f -c "source '$completions/_tarnwick-cli' 2>/dev/null
    words=(\"\${@:2}\"); CURRENT=\$#words
    $1 | tr '\\0' '|'" zsh "$@"
}
expect "zsh: names" "$(complete_zsh '_tarnwick_cli_entries --list' tarnwick-cli --settings "$settings" --remove '')" \
  'a b.log|Setup.log|'
expect "zsh: excluded folders" \
  "$(complete_zsh '_tarnwick_cli_entries --excluded' tarnwick-cli --settings "$settings" --exclude-remove '')" \
  "$work/my folder|"

[ "$failures" -eq 0 ]
echo "bash, zsh and fish complete names, folders and passes"
