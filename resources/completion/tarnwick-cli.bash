# bash completion for tarnwick-cli
# The lists it offers (names, excluded folders, passes) come from the settings file the
# command line names with --settings, or the usual one.

# A word as the shell will hand it over: quotes and backslashes taken away, a leading ~ the
# home folder; nothing of it is run.
_tarnwick_cli_unquoted() {
  local word=$1
  if [[ $word == \'*\' || $word == \"*\" ]]; then
    word=${word:1:${#word}-2}
  else
    word=$(printf '%s' "$word" | sed 's/\\\(.\)/\1/g')
  fi
  [[ $word == "~" || $word == "~/"* ]] && word=$HOME${word:1}
  printf '%s' "$word"
}

# The --settings of the words so far, to hand to tarnwick-cli when asking it for a list.
_tarnwick_cli_settings() {
  local i
  for ((i = 1; i < ${#COMP_WORDS[@]} - 1; i++)); do
    case "${COMP_WORDS[i]}" in
      --settings) printf '%s\n' --settings "$(_tarnwick_cli_unquoted "${COMP_WORDS[i + 1]}")" ;;
      --settings=*)
        printf '%s\n' "--settings=$(_tarnwick_cli_unquoted "${COMP_WORDS[i]#--settings=}")" ;;
    esac
  done
}

# The entries tarnwick-cli prints, one a line, offered each as one word however it is spelt.
_tarnwick_cli_offer() {
  local settings entries entry
  mapfile -t settings < <(_tarnwick_cli_settings)
  mapfile -t entries < <(tarnwick-cli "${settings[@]}" "$@" 2>/dev/null)
  COMPREPLY=()
  for entry in "${entries[@]}"; do
    [[ $entry == "$current"* ]] && COMPREPLY+=("$(printf '%q' "$entry")")
  done
}

_tarnwick_cli() {
  local current=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD - 1]}
  case "$previous" in
    --root | --exclude | --ausnehmen | --exclude-add | --ausnahme-hinzufuegen | --plan-add)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -d -- "$current")
      return ;;
    --settings | --only | --nur-diese)
      compopt -o filenames 2>/dev/null
      mapfile -t COMPREPLY < <(compgen -f -- "$current")
      return ;;
    --remove) _tarnwick_cli_offer --list; return ;;
    --exclude-remove | --ausnahme-entfernen) _tarnwick_cli_offer --excluded; return ;;
    --undo | --zurueckholen)
      local settings
      mapfile -t settings < <(_tarnwick_cli_settings)
      mapfile -t COMPREPLY < <(compgen -W "$(tarnwick-cli "${settings[@]}" --passes --json 2>/dev/null |
        grep -o '"number":[0-9]*' | cut -d: -f2)" -- "$current")
      return ;;
    --plan-remove | --run-plan)
      local settings
      mapfile -t settings < <(_tarnwick_cli_settings)
      mapfile -t COMPREPLY < <(compgen -W "$(tarnwick-cli "${settings[@]}" --plans --json 2>/dev/null |
        grep -o '"number":[0-9]*' | cut -d: -f2)" -- "$current")
      return ;;
    --weekly) mapfile -t COMPREPLY < <(compgen -W "Mo Di Mi Do Fr Sa So" -- "$current"); return ;;
    --add | --daily | --limit) return ;;
  esac
  if [[ $current == -* ]]; then
    mapfile -t COMPREPLY < <(compgen -W "--dry-run --trash --no-trash --yes --only --exclude
      --root --list --add --remove --excluded --exclude-add --exclude-remove --passes --undo
      --settings --settings-path --verbose --quiet --json --no-paths --null --help --version
      --plan-add --daily --weekly --at-login --limit --crontab --plans --plan-remove --run-plan" \
      -- "$current")
  else
    # The folder to search.
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -d -- "$current")
  fi
}
complete -F _tarnwick_cli tarnwick-cli
