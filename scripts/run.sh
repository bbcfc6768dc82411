#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program.
#
#   scripts/run.sh                 demo: local settings server + SMTP sink, then the program
#   scripts/run.sh --auto          demo that fills in and submits the form by itself
#                                  (the default when there is no display), then has a
#                                  report kept and sent later by --send-pending
#   scripts/run.sh --no-demo ARGS  start build/feedback with ARGS, nothing else
#   scripts/run.sh --windows ...   the same with the Windows build under wine64 (the
#                                  package of scripts/windows-build.sh, built if missing)
#
# The demo serves a mail settings document (password enciphered in the program's
# format) and the version lists from a local HTTP server, receives the report on a
# local SMTP server with implicit TLS and AUTH, and points the program at both with
# the FEEDBACK_* environment variables. Everything it makes lands in build/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

scripts/install-deps.sh
appdir=$root/build
demo=$root/build/demo
program=("$root/build/feedback")
if [ "${1:-}" = "--windows" ]; then
    shift
    appdir=$root/build-windows/feedback-windows-x64
    demo=$root/build-windows/demo
    program=("$root/build-windows/feedback.sh")
    [ -x "${program[0]}" ] || scripts/windows-build.sh --no-tests
else
    scripts/build.sh --program
fi

if [ "${1:-}" = "--no-demo" ]; then
    shift
    exec "${program[@]}" "$@"
fi

auto=0
[ "${1:-}" = "--auto" ] && auto=1
[ -z "${DISPLAY:-}" ] && auto=1

rm -rf "$demo"
mkdir -p "$demo/www/files/public" "$demo/mail" "$demo/screens" "$demo/logs" "$appdir/Log"

pids=()
created_productinfo=0
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ "$created_productinfo" = 1 ] && rm -f "$appdir/productinfo.xml"
    return 0
}
trap cleanup EXIT

# start_peer NAME SCRIPT ARGS...: starts a local server, sets PEER_PORT.
start_peer() {
    local name=$1; shift
    local out=$demo/logs/$name.out
    /usr/bin/python3 -u "$@" >"$out" 2>"$demo/logs/$name.err" &
    pids+=($!)
    for _ in $(seq 150); do
        if head -n1 "$out" 2>/dev/null | grep -q '^LISTENING '; then
            PEER_PORT=$(head -n1 "$out" | cut -d' ' -f2)
            return 0
        fi
        sleep 0.1
    done
    echo "The $name server did not start:" >&2
    cat "$demo/logs/$name.err" >&2
    exit 1
}

# The SMTP sink: TLS from the first byte, AUTH required, every mail saved.
openssl req -x509 -newkey rsa:2048 -nodes -subj /CN=localhost -days 2 \
    -keyout "$demo/smtp.key" -out "$demo/smtp.crt" >/dev/null 2>&1
sender=reports@demo.example.net
password='Dem0-Päss!'
start_peer smtp tests/peers/smtp_server.py --mode tls --cert "$demo/smtp.crt" --key "$demo/smtp.key" \
    --user "$sender" --password "$password" --save-dir "$demo/mail"
smtp_port=$PEER_PORT

# The product this demo pretends to be, and its settings document.
if [ ! -f "$appdir/productinfo.xml" ]; then
    cp demo/productinfo.xml "$appdir/productinfo.xml"
    created_productinfo=1
fi
# The settings document names the SMTP port the report goes to.
write_settings() {
    /usr/bin/python3 demo/make_emailinfo.py --product-id 1001 --host 127.0.0.1 --port "$1" \
        --connect-type 1 --sender "$sender" --password "$password" \
        --receiver feedback@demo.example.net --crash-receiver crash@demo.example.net \
        -o "$demo/www/files/public/emailinfo.xml"
}
write_settings "$smtp_port"
cat >"$demo/www/files/public/FeedbackDownloadUrl.json" <<'EOF'
{"iOS Version:": ["18", "17", "16", "15"], "Android Version:": ["15", "14", "13", "12"]}
EOF
start_peer http tests/peers/http_server.py --root "$demo/www"
http_port=$PEER_PORT

export FEEDBACK_DOWNLOAD_BASE="http://127.0.0.1:$http_port"
export FEEDBACK_ANALYTICS_BASE="http://127.0.0.1:$http_port/collect?v=1&t=event&tid=UA-10000000-1"
export FEEDBACK_SMTP_HOST=127.0.0.1
export FEEDBACK_SUPPORT_MAILBOX=support@demo.example.net

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 90 120); do [ -e "/tmp/.X11-unix/X$n" ] || break; done
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    # A desktop picture, so that the start-up screenshot shows something.
    convert -size 1920x1080 gradient:'#2f5f8f-#a9cbe8' "$demo/desktop.png"
    display -window root "$demo/desktop.png" 2>/dev/null || true
fi

args=("" "/opt/Demo/PhotoTool.exe" "user@demo.example.net" "$sender" "not-the-real-password" 1)

if [ "$auto" = 0 ]; then
    echo "Demo servers: settings http://127.0.0.1:$http_port, SMTP 127.0.0.1:$smtp_port (implicit TLS)."
    echo "Submit a report in the window; received mail is saved in $demo/mail."
    "${program[@]}" "${args[@]}" || true
else
    # submit_form <name> <check>: starts the program, fills in the form,
    # submits it, waits until the check holds (at most a minute) and closes
    # the window; the screenshots are <name>-form.png and <name>-result.png.
    submit_form() {
        local name=$1 check=$2
        "${program[@]}" "${args[@]}" >"$demo/logs/feedback-$name.log" 2>&1 &
        local app=$!
        pids+=($app)
        local wid=""
        for _ in $(seq 100); do
            wid=$(xdotool search --onlyvisible --name '^Feedback$' 2>/dev/null | head -n1 || true)
            [ -n "$wid" ] && break
            sleep 0.2
        done
        if [ -z "$wid" ]; then echo "The window did not appear." >&2; exit 1; fi
        sleep 1
        eval "$(xdotool getwindowgeometry --shell "$wid")"
        snap() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$demo/screens/$name-$1.png"; }

        xdotool mousemove $((X + 295)) $((Y + 250)) click 1
        xdotool type --delay 5 "The sync stops at 40 % when the phone is locked."
        xdotool key Return
        xdotool type --delay 5 ". A line with a single dot must arrive intact."
        snap form
        xdotool mousemove $((X + 295)) $((Y + 602)) click 1

        for _ in $(seq 120); do
            eval "$check" && break
            sleep 0.5
        done
        sleep 2
        snap result
        xdotool mousemove $((X + 560)) $((Y + 22)) click 1
        for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.2; done
    }
    mails() { ls "$demo/mail"/*.eml 2>/dev/null | wc -l; }
    log_lines() { cat "$appdir/Log/feedback.log" 2>/dev/null | wc -l; }

    submit_form sent '[ "$(mails)" -gt 0 ]'

    # A report that cannot go now is kept, and --send-pending delivers it
    # once the server can be reached: the settings first name a port nobody
    # listens on, so the delivery fails (its start and its failure logged).
    if [ "$(mails)" -gt 0 ]; then
        nobody=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
        write_settings "$nobody"
        logged=$(log_lines)
        submit_form kept '[ "$(log_lines)" -ge $((logged + 2)) ]'
        write_settings "$smtp_port"
        pending_rc=0
        "${program[@]}" --send-pending >"$demo/logs/send-pending.log" 2>&1 || pending_rc=$?
        echo "--send-pending (exit code $pending_rc):"
        sed 's/^/  /' "$demo/logs/send-pending.log"
        if [ "$pending_rc" != 0 ] || [ "$(mails)" -ne 2 ] || ! grep -q '^sent ' "$demo/logs/send-pending.log"; then
            echo "The kept report did not go with --send-pending." >&2
            exit 1
        fi
    fi
fi

mail=$(ls "$demo/mail"/*.eml 2>/dev/null | head -n1 || true)
if [ -z "$mail" ]; then
    echo "No mail arrived. Program output: $demo/logs/feedback.log" >&2
    exit 1
fi
/usr/bin/python3 - "$mail" "$demo/mail/attachments" <<'EOF'
import email, email.policy, os, sys, zipfile, io
path, out = sys.argv[1], sys.argv[2]
msg = email.message_from_binary_file(open(path, "rb"), policy=email.policy.default)
os.makedirs(out, exist_ok=True)
print("Received mail:", path)
for h in ("From", "To", "Subject", "Date"):
    print(f"  {h}: {msg[h]}")
for part in msg.iter_parts():
    name = part.get_filename()
    if name is None:
        print("  Body:")
        for line in part.get_content().splitlines():
            print("    " + line)
        continue
    data = part.get_content()
    open(os.path.join(out, name), "wb").write(data)
    entries = ""
    if name.endswith(".zip"):
        entries = ", ".join(zipfile.ZipFile(io.BytesIO(data)).namelist())
    print(f"  Attachment {name}: {len(data)} bytes {('[' + entries + ']') if entries else ''}")
print("Attachments saved in:", out)
EOF
[ "$auto" = 1 ] && echo "Window screenshots: $demo/screens/ (sent-form, sent-result, kept-form, kept-result)"
exit 0
