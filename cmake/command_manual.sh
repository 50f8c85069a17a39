#!/usr/bin/env bash
# Writes the COMMANDS section of vaporis-cli's manual page (a help2man include file) from the
# --help of each command and subcommand, so the page says what the program says.
# Usage: command_manual.sh VAPORIS_CLI OUTPUT
set -euo pipefail
cli=$1
output=$2

# The names in the "Subcommands:" section of a help text.
subcommands() {
    awk '$0 == "Subcommands:" { inside = 1; next }
         inside && /^  [^ ]/ { print $1; next }
         inside && !/^ / { inside = 0 }' <<<"$1"
}

# One command's help as roff: paragraphs filled, each option a tagged paragraph.
to_roff() {
    awk '
        function text(s) { gsub(/\\/, "\\e", s); sub(/^[.'"'"']/, "\\\\\\&&", s); return s }
        /^$/ { next }
        /^(Options|Positionals|Subcommands):$/ { print ".PP\n" text($0); next }
        /^  vaporis-cli / { sub(/^  /, ""); print ".IP \"\" 4\n" text($0); next }
        /^                              / { sub(/^ +/, ""); print text($0); next }
        /^  [^ ]/ {
            sub(/^  /, "")
            split($0, parts, /  +/)
            print ".TP\n" text(parts[1])
            if (parts[2] != "") print text(parts[2])
            next
        }
        { print ".PP\n" text($0) }
    ' <<<"$1"
}

document() {
    local help
    help=$("$cli" "$@" --help)
    printf '.SS "vaporis\\-cli %s"\n' "$*"
    to_roff "$help"
    local sub
    for sub in $(subcommands "$help"); do
        document "$@" "$sub"
    done
}

{
    echo "[COMMANDS]"
    for command in $(subcommands "$("$cli" --help)"); do
        document "$command"
    done
} >"$output"
