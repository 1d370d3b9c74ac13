# caelor.exe's menu commands by name: every IDM_ name of the header the
# program is built with (caelor/resources/command_ids.h) becomes a shell
# variable of that name, so a test posts IDM_REPORT_SEASONS rather than a
# number. A name the header lacks is an unbound variable, which ends the test
# (lib.sh sets -u). Sourced after lib.sh.

CL_COMMAND_IDS=$(dirname "${BASH_SOURCE[0]}")/../../caelor/resources/command_ids.h
cl_command_ids=$(awk '
    $1 == "#define" && $2 ~ /^IDM_/ {
        value = ($3 in id) ? id[$3] : $3
        if (value !~ /^[0-9]+$/) { print "bad line: " $0 > "/dev/stderr"; exit 1 }
        id[$2] = value
        print $2 "=" value
    }' "$CL_COMMAND_IDS") && [ -n "$cl_command_ids" ] || fail "cannot read the command ids of $CL_COMMAND_IDS"
eval "$cl_command_ids"
unset cl_command_ids
