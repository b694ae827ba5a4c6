#!/usr/bin/env bash
# The viewer starts maximised with its stored title and the icon name taken
# from the executable's name, and ends with exit code 0 when closed by the
# route given as the argument: wm-close, alt-f4, close-button, sigterm, sighup.
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"

route=${1:?route}
title="Traditional Chinese Medicine help you to become a doctor!"

e2e_start_display
e2e_run "$E2E_VIEWER"
wid=$(e2e_wait_window "$E2E_APP_PID") || { e2e_fail "viewer window"; e2e_done; }

e2e_wait_until 10 e2e_is_maximized "$wid"
e2e_expect_eq "_NET_WM_STATE at start" \
    "_NET_WM_STATE_MAXIMIZED_VERT _NET_WM_STATE_MAXIMIZED_HORZ" \
    "$(e2e_state "$wid" | tr ',' '\n' | grep -o '_NET_WM_STATE_MAXIMIZED_[A-Z]*' | sort -r | xargs)"
e2e_expect_eq "WM_NAME" "$title" "$(e2e_text_prop "$wid" WM_NAME)"
e2e_expect_eq "_NET_WM_NAME" "$title" "$(e2e_text_prop "$wid" _NET_WM_NAME)"
e2e_expect_eq "_NET_WM_ICON_NAME" "tcm-viewer" "$(e2e_text_prop "$wid" _NET_WM_ICON_NAME)"

case $route in
wm-close) e2e_close_request "$wid" ;;
alt-f4) e2e_key "$wid" alt+F4 ;;
close-button) e2e_click_close_button "$wid" ;;
sigterm) kill -TERM "$E2E_APP_PID" ;;
sighup) kill -HUP "$E2E_APP_PID" ;;
*) e2e_fail "unknown route $route" && e2e_done ;;
esac || e2e_fail "could not close by $route"

if e2e_wait_exit "$E2E_APP_PID" 10; then
    e2e_expect_eq "exit code after $route (${E2E_EXIT_MS} ms)" 0 "$E2E_RC"
else
    e2e_fail "still running 10 s after $route"
fi
e2e_done
