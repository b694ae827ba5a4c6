#!/usr/bin/env bash
# shellcheck disable=SC2317 # functions below are called through e2e_wait_until
# Saves a picture of the running viewer for people to look at, and checks that
# the navigation panel and its text box were painted.
# shellcheck source-path=SCRIPTDIR source=lib.sh
source "$(dirname "$0")/lib.sh"

shot=$E2E_OUT/viewer.png
face_region=170x400+15+540 # the panel below the buttons
memo_region=170x50+15+15   # inside the text box's border

e2e_start_display
e2e_run "$E2E_VIEWER"
wid=$(e2e_wait_window "$E2E_APP_PID") || { e2e_fail "viewer window"; e2e_done; }
e2e_expect "maximised" e2e_wait_until 10 e2e_is_maximized "$wid"

painted() {
    e2e_screenshot "$wid" "$shot" || return 1
    face=$(e2e_pixel "$shot" 100 700)
    [[ -n $face && $face != 000000 && $(e2e_pixel "$shot" 100 40) != 000000 ]]
}
# Painting follows mapping; give it a moment before judging the picture.
e2e_wait_until 10 painted
e2e_log "screenshot: $shot"

e2e_expect "panel face at (100,700) is painted (#$face)" test "$face" != 000000
e2e_expect_eq "panel face left of the buttons (20,300)" "$face" "$(e2e_pixel "$shot" 20 300)"
e2e_expect_eq "colours in the panel below the buttons" 1 "$(e2e_unique_colours "$shot" "$face_region")"
white=$(e2e_white_fraction "$shot" "$memo_region")
e2e_expect "text box interior mostly white ($white)" awk -v f="$white" 'BEGIN { exit !(f >= 0.6) }'
e2e_done
