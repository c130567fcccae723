# A print system of the tests' own: a private CUPS daemon with its configuration, spool and socket
# in the output folder, and one queue whose printer writes the job's PDF to a file. Programs reach
# it through CUPS_SERVER; the machine's own CUPS and printers are never touched. Sourced by run.sh
# after desktop.sh; the daemon is stopped by its id with the other processes.

CUPS_DIR=""   # the daemon's folder
CUPS_QUEUE="Stampante_di_prova"
CUPS_OUTPUT="" # the file the queue's printer writes

start_cups() {
    CUPS_DIR=$E2E_DIR/cups
    CUPS_OUTPUT=$CUPS_DIR/out/stampa.pdf
    local d=$CUPS_DIR
    mkdir -p "$d/etc/ppd" "$d/spool" "$d/cache" "$d/state" "$d/log" "$d/tmp" "$d/out"
    chmod 1777 "$d/tmp" "$d/out" # the filters run as the daemon's own user
    cat >"$d/etc/cupsd.conf" <<CONF
Listen $d/cups.sock
LogLevel warn
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    cat >"$d/etc/cups-files.conf" <<CONF
ServerRoot $d/etc
RequestRoot $d/spool
CacheDir $d/cache
StateDir $d/state
TempDir $d/tmp
AccessLog $d/log/access_log
ErrorLog $d/log/error_log
PageLog $d/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
FileDevice Yes
SystemGroup root
CONF
    start_process "$d/log/cupsd.log" cupsd -f -c "$d/etc/cupsd.conf" -s "$d/etc/cups-files.conf"
    export CUPS_SERVER=$d/cups.sock
    # `lpstat -r` succeeds whether or not the daemon listens yet: its words tell.
    wait_until 20 cups_listening || {
        note "The print system did not start: $(tail -n 3 "$d/log/error_log" "$d/log/cupsd.log" 2>/dev/null)"
        return 1
    }
    lpadmin -p "$CUPS_QUEUE" -E -v "file://$CUPS_OUTPUT" -P "$(dirname "$0")/printer.ppd" \
        2>"$d/log/lpadmin.log" || {
        note "The test queue could not be added: $(cat "$d/log/lpadmin.log")"
        return 1
    }
}

cups_listening() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }

# The printable area of the queue's paper, from its PPD: "left bottom right top" in points from
# the paper's bottom-left corner, and the paper's size.
ppd_imageable_area() { sed -n 's/^\*ImageableArea A4\/A4: "\(.*\)"/\1/p' "$(dirname "$0")/printer.ppd"; }
