# fish completion for velmar-cli. Receiver names come from the program itself,
# so they never go stale.

function __velmar_cli_receivers
    set -l program (commandline -opc)[1]
    # The lines that are not indented, first word only.
    $program receivers 2>/dev/null | string match -r '^\S+'
end

set -l commands info dump save export-h export-xls import-xls dump-xls diff export-csv import-csv import-satellites edit receivers receive send
set -l before "not __fish_seen_subcommand_from $commands"

complete -c velmar-cli -f
complete -c velmar-cli -n $before -a info -d 'summary of the image, or its figures as JSON'
complete -c velmar-cli -n $before -a dump -d 'every table and the header state as JSON'
complete -c velmar-cli -n $before -a save -d 'open an image and save it as the editor does'
complete -c velmar-cli -n $before -a export-h -d 'the channel table as C source'
complete -c velmar-cli -n $before -a export-xls -d 'the channel table into a workbook'
complete -c velmar-cli -n $before -a import-xls -d 'an image with the channels of a workbook'
complete -c velmar-cli -n $before -a dump-xls -d "a workbook's channel table as JSON"
complete -c velmar-cli -n $before -a diff -d 'the differences between two lists'
complete -c velmar-cli -n $before -a export-csv -d 'the channel table as CSV'
complete -c velmar-cli -n $before -a import-csv -d 'an image with the channels of a CSV file'
complete -c velmar-cli -n $before -a import-satellites -d 'transponders from a satellites.xml list'
complete -c velmar-cli -n '__fish_seen_subcommand_from export-csv' -l bom -d 'a UTF-8 byte order mark first'
complete -c velmar-cli -n '__fish_seen_subcommand_from import-satellites' -l prune -d "delete transponders the file lacks"
complete -c velmar-cli -n $before -a edit -d 'run editing commands on an image and save it'
complete -c velmar-cli -n $before -a receivers -d 'the receiver profiles --receiver names'
complete -c velmar-cli -n $before -a receive -d 'an image from a receiver'
complete -c velmar-cli -n $before -a send -d 'an image to a receiver'

complete -c velmar-cli -n $before -l receiver -x -a '(__velmar_cli_receivers)' -d "a receiver profile's geometry"
complete -c velmar-cli -n $before -l yes -d 'answer Yes when the file header cannot be read'
complete -c velmar-cli -n $before -l help -d 'the usage text'
complete -c velmar-cli -n $before -l product-list -x -d 'model number'
complete -c velmar-cli -n $before -l product-type -x -d 'type bits'
complete -c velmar-cli -n $before -l byte-order -x -a '0 1' -d 'entry byte order'
complete -c velmar-cli -n $before -l sector-size -x -d 'flash sector size in bytes'
complete -c velmar-cli -n $before -l max-mux -x -d 'terrestrial multiplexes per sector'
complete -c velmar-cli -n $before -l mmi -x -d 'favourite block START,SECTORS,ENTRY,MAX'
complete -c velmar-cli -n $before -l sat -x -d 'satellite block START,SECTORS,ENTRY'
complete -c velmar-cli -n $before -l brd -x -d 'broadcast block START,SECTORS,ENTRY'
complete -c velmar-cli -n $before -l tp -x -d 'transponder block START,SECTORS,ENTRY'
complete -c velmar-cli -n $before -l ch -x -d 'channel block START,SECTORS,ENTRY,NAMELEN'

complete -c velmar-cli -n '__fish_seen_subcommand_from info' -l json -d 'the figures as JSON'
complete -c velmar-cli -n '__fish_seen_subcommand_from diff' -l json -d 'the differences as JSON'
set -l link '__fish_seen_subcommand_from receive send'
complete -c velmar-cli -n $link -l port -r -F -d 'serial device'
complete -c velmar-cli -n $link -l baud -x -d 'serial rate'
complete -c velmar-cli -n $link -l tcp -x -d 'connect to HOST:PORT'
complete -c velmar-cli -n $link -l listen -x -d 'wait on [HOST:]PORT'
complete -c velmar-cli -n $link -l timeout -x -d 'seconds to wait for the other side'
# Every command but receivers takes file names.
complete -c velmar-cli -n '__fish_seen_subcommand_from info dump save export-h export-xls import-xls dump-xls diff export-csv import-csv import-satellites edit receive send' -F
