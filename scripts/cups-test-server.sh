#!/usr/bin/env bash
# A private CUPS scheduler for the tests, never the machine's own:
#   cups-test-server.sh start DIR   makes DIR/{conf,spool,cache,log,run,jobs,ppd,bin}
#                                   afresh, starts cupsd on the Unix socket
#                                   DIR/run/cups.sock, adds two queues and prints
#                                   the socket path, the value for CUPS_SERVER
#   cups-test-server.sh stop DIR    stops the scheduler started there
# With VELDRA_CUPS_OWNER_PID set, the scheduler also stops when that process
# ends.
# Queues: "Corvex_KTX_90", the fake engraver (529 dpi, a 90 x 90 mm plate,
# taking CUPS raster as it is, with no filter in between,
# Brightness, Contrast and Gamma), whose jobs land in DIR/jobs as job-N.prn
# with their options in job-N.options; "Corvex_KTX_90_B", a second such
# engraver writing into the same folder; "Engravers", a class of the two, as
# a shop with several engravers has; "Remote_Engraver", a queue that hands
# its jobs over IPP to "Corvex_KTX_90" as to another scheduler's queue (the
# scheduler's own socket stands for the network); "Office_Laser", an
# ordinary A4 colour printer whose jobs go nowhere. The spool keeps every job's document as it was
# handed over, as DIR/spool/dNNNNN-001.
# Clients that write lpoptions also need HOME and, as root, CUPS_SERVERROOT
# pointed somewhere private: root's lpoptions are the machine's own file.
set -euo pipefail

usage()
{
    echo "usage: $0 start|stop DIR" >&2
    exit 2
}

[[ $# -eq 2 ]] || usage
action="$1"
dir="$(realpath -m "$2")"
socket="$dir/run/cups.sock"
pidfile="$dir/run/cupsd.pid"
engraver_queue="Corvex_KTX_90"
second_engraver_queue="Corvex_KTX_90_B"
engraver_class="Engravers"
remote_engraver_queue="Remote_Engraver"
laser_queue="Office_Laser"

fail()
{
    echo "cups-test-server: $*" >&2
    exit 1
}

stop_server()
{
    [[ -f "$pidfile" ]] || return 0
    local pid
    pid="$(cat "$pidfile")"
    rm -f "$pidfile"
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
}

# The folders cupsd runs its helpers from: the system's own, except for the
# backends, where ours joins them.
make_server_bin()
{
    local kind file
    mkdir -p "$dir/bin/backend"
    for kind in filter daemon cgi-bin monitor notifier driver; do
        [[ -e "/usr/lib/cups/$kind" ]] && ln -s "/usr/lib/cups/$kind" "$dir/bin/$kind"
    done
    for file in /usr/lib/cups/backend/*; do
        ln -s "$file" "$dir/bin/backend/"
    done
    cat >"$dir/bin/backend/veldrajob" <<'EOF'
#!/bin/sh
# Writes each job and its options into the folder its device URI names
# (veldrajob:/folder). Without arguments it introduces itself to cupsd.
if [ $# -eq 0 ]; then
    echo 'direct veldrajob "Unknown" "Veldra test job folder"'
    exit 0
fi
folder="${DEVICE_URI#veldrajob:}"
printf '%s\n' "$5" >"$folder/job-$1.options" || exit 1
if [ $# -ge 6 ]; then
    cat "$6" >"$folder/job-$1.prn" || exit 1
else
    cat >"$folder/job-$1.prn" || exit 1
fi
EOF
    # Run as lp like any backend: cupsd refuses helpers that others may write.
    chmod 0755 "$dir/bin/backend/veldrajob"
}

write_engraver_ppd()
{
    cat >"$dir/ppd/corvex-ktx90.ppd" <<'EOF'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "KTX90.PPD"
*Manufacturer: "Corvex"
*Product: "(KTX-90)"
*ModelName: "Corvex KTX-90 Engraver"
*ShortNickName: "Corvex KTX-90 Engraver"
*NickName: "Corvex KTX-90 Engraver"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsVersion: 2.4
*cupsFilter: "application/vnd.cups-raster 0 -"

*OpenUI *Resolution/Resolution: PickOne
*OrderDependency: 10 AnySetup *Resolution
*DefaultResolution: 529dpi
*Resolution 529dpi/529 dpi: "<</HWResolution[529 529]>>setpagedevice"
*CloseUI: *Resolution

*OpenUI *PageSize/Plate: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Plate90
*PageSize Plate90/90 x 90 mm: "<</PageSize[255 255]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize

*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Plate90
*PageRegion Plate90/90 x 90 mm: "<</PageSize[255 255]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion

*DefaultImageableArea: Plate90
*ImageableArea Plate90/90 x 90 mm: "0 0 255 255"
*DefaultPaperDimension: Plate90
*PaperDimension Plate90/90 x 90 mm: "255 255"

*OpenUI *Brightness/Brightness: PickOne
*OrderDependency: 20 AnySetup *Brightness
*DefaultBrightness: 0
*Brightness -50/-50: ""
*Brightness -25/-25: ""
*Brightness 0/0: ""
*Brightness 25/25: ""
*Brightness 50/50: ""
*CloseUI: *Brightness
*CustomBrightness True: ""
*ParamCustomBrightness Value/Brightness: 1 int -50 50

*OpenUI *Contrast/Contrast: PickOne
*OrderDependency: 20 AnySetup *Contrast
*DefaultContrast: 0
*Contrast -50/-50: ""
*Contrast -25/-25: ""
*Contrast 0/0: ""
*Contrast 25/25: ""
*Contrast 50/50: ""
*CloseUI: *Contrast
*CustomContrast True: ""
*ParamCustomContrast Value/Contrast: 1 int -50 50

*OpenUI *Gamma/Gamma: PickOne
*OrderDependency: 20 AnySetup *Gamma
*DefaultGamma: -500
*Gamma -900/0.1: ""
*Gamma -500/0.5: ""
*Gamma 0/1.0: ""
*Gamma 250/3.5: ""
*Gamma 899/9.99: ""
*CloseUI: *Gamma
*CustomGamma True: ""
*ParamCustomGamma Value/Gamma code: 1 int -900 899

*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
EOF
}

write_laser_ppd()
{
    cat >"$dir/ppd/office-laser.ppd" <<'EOF'
*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "LASER.PPD"
*Manufacturer: "Generic"
*Product: "(Office Laser)"
*ModelName: "Generic Office Laser"
*ShortNickName: "Generic Office Laser"
*NickName: "Generic Office Laser"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "20"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42

*OpenUI *ColorModel/Color Mode: PickOne
*OrderDependency: 10 AnySetup *ColorModel
*DefaultColorModel: RGB
*ColorModel RGB/Color: "<</cupsColorSpace 1>>setpagedevice"
*ColorModel Gray/Grayscale: "<</cupsColorSpace 0>>setpagedevice"
*CloseUI: *ColorModel

*OpenUI *Resolution/Resolution: PickOne
*OrderDependency: 10 AnySetup *Resolution
*DefaultResolution: 600dpi
*Resolution 600dpi/600 dpi: "<</HWResolution[600 600]>>setpagedevice"
*CloseUI: *Resolution

*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageSize Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize

*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageRegion Letter/Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion

*DefaultImageableArea: A4
*ImageableArea A4/A4: "12 12 583 830"
*ImageableArea Letter/Letter: "12 12 600 780"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/Letter: "612 792"

*DefaultFont: Courier
*Font Courier: Standard "(002.004S)" Standard ROM
EOF
}

write_configuration()
{
    cat >"$dir/conf/cupsd.conf" <<EOF
# Only the socket: no network port, no web pages, no printer sharing.
Listen $socket
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultShared No
# The tests read what a job carried as it was handed over.
PreserveJobFiles Yes
LogLevel warn
MaxLogSize 0
DefaultAuthType None
DefaultPolicy open
<Policy open>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
    {
        echo "ServerRoot $dir/conf"
        echo "RequestRoot $dir/spool"
        echo "CacheDir $dir/cache"
        echo "StateDir $dir/run"
        echo "TempDir $dir/spool/tmp"
        echo "ServerBin $dir/bin"
        echo "ErrorLog $dir/log/error_log"
        echo "AccessLog $dir/log/access_log"
        echo "PageLog $dir/log/page_log"
        echo "FileDevice Yes"
        # Never the machine's /run/cups/printcap.
        echo "Printcap $dir/run/printcap"
        # cupsd started by root drops to lp for its helpers by itself; any
        # other user runs it with their own ids.
        if [[ "$(id -u)" != 0 ]]; then
            echo "User $(id -un)"
            echo "Group $(id -gn)"
        fi
    } >"$dir/conf/cups-files.conf"
}

wait_for_scheduler()
{
    local pid="$1"
    for _ in $(seq 100); do
        # lpstat succeeds either way; only its words tell.
        if [[ "$(lpstat -h "$socket" -r 2>/dev/null)" == "scheduler is running" ]]; then
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.05
    done
    cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
    return 1
}

# A test program that crashes or is killed never says stop: with its process
# id in VELDRA_CUPS_OWNER_PID the scheduler goes with it.
watch_owner()
{
    local pid="$1" owner="${VELDRA_CUPS_OWNER_PID:-}"
    [[ -n "$owner" ]] || return 0
    (
        while kill -0 "$owner" 2>/dev/null && kill -0 "$pid" 2>/dev/null; do
            sleep 1
        done
        kill "$pid" 2>/dev/null
    ) </dev/null >/dev/null 2>&1 &
}

add_queue()
{
    local name="$1" uri="$2" ppd="$3" output
    if ! output="$(lpadmin -h "$socket" -p "$name" -E -v "$uri" -P "$ppd" 2>&1)"; then
        echo "$output" >&2
        fail "could not add the queue $name"
    fi
    cupsenable -h "$socket" "$name"
    cupsaccept -h "$socket" "$name"
}

add_class()
{
    local name="$1" member
    shift
    for member in "$@"; do
        lpadmin -h "$socket" -p "$member" -c "$name" || fail "could not add $member to the class $name"
    done
    cupsenable -h "$socket" "$name"
    cupsaccept -h "$socket" "$name"
}

start_server()
{
    command -v cupsd >/dev/null || command -v /usr/sbin/cupsd >/dev/null || fail "cupsd is not installed"
    command -v lpadmin >/dev/null || fail "lpadmin is not installed"
    # A Unix socket's path must fit sockaddr_un.
    (( ${#socket} < 108 )) || fail "the socket path is too long: $socket"
    stop_server
    rm -rf "$dir"/{conf,spool,cache,log,run,jobs,ppd,bin}
    mkdir -p "$dir"/{conf,spool/tmp,cache,log,run,jobs,ppd}
    # Filters and backends run as lp: they must reach the spool and the jobs.
    chmod 0755 "$dir"
    chmod 0777 "$dir/jobs"
    if [[ "$(id -u)" == 0 ]]; then
        chown lp:lp "$dir/jobs" 2>/dev/null || true
        # Under a folder lp cannot enter (mktemp -d makes them 0700) every
        # job would be accepted and then lost by its backend without a word.
        setpriv --reuid=lp --regid=lp --clear-groups test -w "$dir/jobs" -a -x "$dir/jobs" \
            || fail "lp, which runs the backends, cannot reach $dir/jobs: every folder above it must let others in (o+x)"
    fi
    make_server_bin
    write_engraver_ppd
    write_laser_ppd
    write_configuration

    local cupsd
    cupsd="$(command -v cupsd || echo /usr/sbin/cupsd)"
    "$cupsd" -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
        </dev/null >"$dir/log/cupsd.out" 2>&1 &
    local pid=$!
    echo "$pid" >"$pidfile"
    wait_for_scheduler "$pid" || { stop_server; fail "cupsd did not start"; }
    watch_owner "$pid"

    add_queue "$engraver_queue" "veldrajob:$dir/jobs" "$dir/ppd/corvex-ktx90.ppd"
    add_queue "$second_engraver_queue" "veldrajob:$dir/jobs" "$dir/ppd/corvex-ktx90.ppd"
    add_queue "$laser_queue" "file:///dev/null" "$dir/ppd/office-laser.ppd"
    add_class "$engraver_class" "$engraver_queue" "$second_engraver_queue"
    # The IPP backend reaches a scheduler by a socket given as the URI's host.
    add_queue "$remote_engraver_queue" "ipp://${socket//\//%2F}/printers/$engraver_queue" "$dir/ppd/corvex-ktx90.ppd"
    echo "$socket"
}

case "$action" in
start) start_server ;;
stop) stop_server ;;
*) usage ;;
esac
