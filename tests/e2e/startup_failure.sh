#!/usr/bin/env bash
# Without its embedded window description the program shows only an
# "Application Error" box naming the missing resource, and exits with 1 after OK.
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"

e2e_start_display
e2e_run "$E2E_NORES"
wid=$(e2e_wait_window "$E2E_APP_PID") || { e2e_fail "error box"; e2e_done; }
sleep 0.3 # time for any further window to appear
e2e_expect_eq "error box title" "Application Error" "$(e2e_text_prop "$wid" WM_NAME)"
e2e_expect_eq "visible windows of the process" 1 "$(e2e_windows "$E2E_APP_PID" | wc -l)"
e2e_expect_eq "windows named like the main window" "" \
    "$(timeout 5 xdotool search --name 'Traditional Chinese Medicine' 2>/dev/null)"
e2e_screenshot "$wid" "$E2E_OUT/startup-error.png"

# The box's Ctrl+C copies title, text and buttons between dashed lines.
e2e_key "$wid" ctrl+c
clip=$(timeout 3 xclip -o -selection clipboard 2>/dev/null)
if [[ -z $clip ]]; then
    e2e_log "NOTE: Ctrl+C put nothing on the clipboard; the box's text is not checked"
else
    sep=$'---------------------------\n'
    rest=${clip#"$sep"}
    e2e_expect_eq "copied title" "Application Error" "${rest%%$'\n'*}"
    rest=${rest#*"$sep"}
    text=${rest%%$'\n'"$sep"*}
    pattern=$'^Exception EResNotFound in module tcm-viewer-nores at [0-9A-F]{8}\\.\r\nResource TForm1 not found\\.\r\n$'
    if [[ $text =~ $pattern ]]; then
        e2e_pass "copied text: ${text@Q}"
    else
        e2e_fail "copied text: ${text@Q}"
    fi
fi

e2e_key "$wid" Return
if e2e_wait_exit "$E2E_APP_PID" 10; then
    e2e_expect_eq "exit code after OK" 1 "$E2E_RC"
else
    e2e_fail "still running 10 s after Return on the error box"
fi
e2e_done
