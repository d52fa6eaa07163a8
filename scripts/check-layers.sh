#!/bin/bash
# Checks that includes point one way through the layers of src/:
#   books <- controls <- dialogs, print <- app;   books, dialogs <- tools
# (tools adds books as the book dialog does, through its portable rules)
# A file may include from its own folder and the folders below it, never from
# one above or beside it. Prints each include that breaks this; exits 1 if any.
#
#   check-layers.sh [SRC]    (default: the src/ folder beside this script)
set -u

src=${1:-$(cd "$(dirname "$0")/../src" && pwd)}
declare -A allowed=(
    [books]="books"
    [controls]="books controls"
    [dialogs]="books controls dialogs"
    [print]="books controls print"
    [app]="books controls dialogs print app"
    [tools]="books dialogs tools"
)

broken=0 checked=0
for layer in "${!allowed[@]}"; do
    [ -d "$src/$layer" ] || continue
    while IFS= read -r -d '' file; do
        checked=$((checked + 1))
        while IFS=: read -r line target; do
            folder=${target%%/*}
            # An include without a folder is one of the file's own neighbours.
            [ "$folder" = "$target" ] && continue
            [ -d "$src/$folder" ] || continue
            case " ${allowed[$layer]} " in
            *" $folder "*) ;;
            *)
                echo "layers: ${file#"$src"/}:$line includes \"$target\" ($layer may include only from: ${allowed[$layer]})"
                broken=$((broken + 1))
                ;;
            esac
        done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"' "$file" |
            sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1:\2/')
    done < <(find "$src/$layer" -type f \( -name '*.cpp' -o -name '*.h' \) -print0)
done
echo "layers: $checked files checked, $broken includes against the layers"
[ "$broken" -eq 0 ]
