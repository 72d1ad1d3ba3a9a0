# fish completion for tarnwick-cli. The lists it offers (names, excluded folders, passes) come
# from the settings file the command line names with --settings, or the usual one.

# The --settings of the command line so far, to hand to tarnwick-cli when asking it for a list.
function __tarnwick_cli_settings
    set -l words (commandline -opc)
    for i in (seq 2 (count $words))
        switch $words[$i]
            case --settings
                set -l next (math $i + 1)
                if test $next -le (count $words)
                    printf '%s\n' --settings $words[$next]
                end
            case '--settings=*'
                printf '%s\n' $words[$i]
        end
    end
end

function __tarnwick_cli_entries
    tarnwick-cli (__tarnwick_cli_settings) $argv 2>/dev/null
end

function __tarnwick_cli_passes
    __tarnwick_cli_entries --passes --json | string match -ar '"number":\d+' | string replace '"number":' ''
end

function __tarnwick_cli_plans
    __tarnwick_cli_entries --plans --json | string match -ar '"number":\d+' | string replace '"number":' ''
end

complete -c tarnwick-cli -f -a '(__fish_complete_directories)'
complete -c tarnwick-cli -s n -l dry-run -d 'nur ausgeben, was gelöscht würde'
complete -c tarnwick-cli -l trash -d 'in den Papierkorb verschieben'
complete -c tarnwick-cli -l no-trash -d 'endgültig löschen'
complete -c tarnwick-cli -s y -l yes -d 'nicht fragen, bevor endgültig gelöscht wird'
complete -c tarnwick-cli -l only -r -F -d 'nur die Pfade aus DATEI'
complete -c tarnwick-cli -l exclude -x -a '(__fish_complete_directories)' -d 'ORDNER auslassen'
complete -c tarnwick-cli -l root -x -a '(__fish_complete_directories)' -d 'der Ordner, der durchsucht wird'
complete -c tarnwick-cli -l list -d 'die Namen ausgeben'
complete -c tarnwick-cli -l add -x -d 'Namen hinzufügen'
complete -c tarnwick-cli -l remove -x -a '(__tarnwick_cli_entries --list)' -d 'Namen entfernen'
complete -c tarnwick-cli -l excluded -d 'die ausgenommenen Ordner ausgeben'
complete -c tarnwick-cli -l exclude-add -x -a '(__fish_complete_directories)' -d 'ORDNER dauerhaft ausnehmen'
complete -c tarnwick-cli -l exclude-remove -x -a '(__tarnwick_cli_entries --excluded)' -d 'ORDNER nicht mehr ausnehmen'
complete -c tarnwick-cli -l passes -d 'die Durchgänge, die sich zurückholen lassen'
complete -c tarnwick-cli -l undo -x -a '(__tarnwick_cli_passes)' -d 'einen Durchgang zurückholen'
complete -c tarnwick-cli -l plan-add -x -a '(__fish_complete_directories)' -d 'ORDNER regelmäßig bereinigen'
complete -c tarnwick-cli -l daily -x -d 'täglich um HH:MM'
complete -c tarnwick-cli -l weekly -x -a 'Mo Di Mi Do Fr Sa So' -d 'wöchentlich an TAG um HH:MM'
complete -c tarnwick-cli -l at-login -d 'bei der Anmeldung'
complete -c tarnwick-cli -l limit -x -d 'höchstens N Dateien je Lauf'
complete -c tarnwick-cli -l crontab -d 'ohne systemd-Benutzerdienst in die crontab'
complete -c tarnwick-cli -l plans -d 'die Pläne ausgeben'
complete -c tarnwick-cli -l plan-remove -x -a '(__tarnwick_cli_plans)' -d 'einen Plan entfernen'
complete -c tarnwick-cli -l run-plan -x -a '(__tarnwick_cli_plans)' -d 'einen Plan jetzt ausführen'
complete -c tarnwick-cli -l settings -r -F -d 'eine andere Einstellungsdatei'
complete -c tarnwick-cli -l settings-path -d 'die Einstellungsdatei ausgeben'
complete -c tarnwick-cli -s v -l verbose -d 'jede Datei und jeden Fehler ausgeben'
complete -c tarnwick-cli -s q -l quiet -d 'nur ausgeben, was nicht gelang'
complete -c tarnwick-cli -l json -d 'ein JSON-Objekt ausgeben'
complete -c tarnwick-cli -l no-paths -d 'das JSON ohne die Liste der Pfade'
complete -c tarnwick-cli -s 0 -l null -d 'Pfade mit NUL beenden'
complete -c tarnwick-cli -s h -l help -d 'die Hilfe'
complete -c tarnwick-cli -s V -l version -d 'die Version'
