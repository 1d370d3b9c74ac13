# What the help windows show, for the tests of caelor's and the launcher's
# help; sourced after lib.sh. HELP names the help window and HELP_TEXT its
# topic view, whose text starts with the topic's title.

# The title of the topic the help window shows.
help_topic_title() {
    e2e_driver field-state "$HELP" "$HELP_TEXT" 5000 | tr -d '\r' | head -1 | sed 's/^\[//'
}

# Waits up to ten seconds for the help window to show the topic titled $1;
# $2 says what was done, for the log and the failure.
help_expect_topic() { # TITLE WHAT
    local i shown=
    E2E_STEP="help topic \"$1\" after $2"
    for i in $(seq 1 50); do
        shown=$(help_topic_title)
        [ "$shown" = "$1" ] && {
            echo "$2: \"$shown\""
            return 0
        }
        sleep 0.2
    done
    fail "$2 shows \"$shown\", not \"$1\""
}
