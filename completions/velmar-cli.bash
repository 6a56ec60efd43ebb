# bash completion for velmar-cli                           -*- shell-script -*-
# Stands alone (no bash-completion helpers), so it also works when sourced by
# hand. Receiver names come from the program itself, so they never go stale.

_velmar_cli_receivers() {
    # Profile names are the lines of `velmar-cli receivers` that are not
    # indented; the first word, without " (default)".
    "$1" receivers 2>/dev/null | while IFS=' ' read -r name _; do
        [[ -n $name ]] && printf '%s\n' "$name"
    done
}

_velmar_cli_files() {
    compopt -o filenames 2>/dev/null
    mapfile -t COMPREPLY < <(compgen -f -- "$1")
}

_velmar_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]}
    COMPREPLY=()

    local commands="info dump save export-h export-xls import-xls dump-xls diff export-csv import-csv"
    commands+=" import-satellites edit receivers receive send"
    local value_options="--receiver --product-list --product-type --byte-order --sector-size"
    value_options+=" --max-mux --mmi --sat --brd --tp --ch"
    local link_value_options="--port --baud --tcp --listen --timeout"

    # The command is the first word that is neither an option nor its value.
    local i=1 command="" operands=0
    while ((i < COMP_CWORD)); do
        local word=${COMP_WORDS[i]}
        if [[ -z $command ]]; then
            if [[ " $value_options " == *" $word "* ]]; then
                ((i += 2))
                continue
            fi
            [[ $word != -* ]] && command=$word
        elif [[ $command == receive || $command == send ]] &&
            [[ " $link_value_options " == *" $word "* ]]; then
            ((i += 2))
            continue
        elif [[ $word != -* ]]; then
            ((operands += 1))
        fi
        ((i += 1))
    done
    # Completing the value of an option the loop stepped over.
    if ((i > COMP_CWORD)); then
        case $prev in
        --receiver)
            mapfile -t COMPREPLY < <(compgen -W "$(_velmar_cli_receivers "$program")" -- "$cur")
            ;;
        --port) _velmar_cli_files "${cur:-/dev/tty}" ;;
        esac
        return 0
    fi

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "--receiver --yes --help $value_options" -- "$cur")
        else
            mapfile -t COMPREPLY < <(compgen -W "$commands" -- "$cur")
        fi
        return 0
    fi

    case $command in
    receivers) return 0 ;;
    info|diff)
        if [[ $cur == -* ]] && ((operands == 0)); then
            mapfile -t COMPREPLY < <(compgen -W "--json" -- "$cur")
            return 0
        fi
        ;;
    export-csv)
        if [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "--bom" -- "$cur")
            return 0
        fi
        ;;
    import-satellites)
        if [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "--sat --prune" -- "$cur")
            return 0
        fi
        ;;
    receive | send)
        if [[ $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "$link_value_options" -- "$cur")
            return 0
        fi
        ;;
    esac
    _velmar_cli_files "$cur"
    return 0
}

complete -F _velmar_cli velmar-cli
