#!/usr/bin/env bash
# The trainer as a learner meets it: a real X server (Xvfb), real keyboard and mouse input
# (xdotool), once with the openbox window manager and once without one. Prints one line per
# check and exits non-zero when one fails. Needs: xvfb xdotool openbox imagemagick.
# Usage: tests/desktop/pruefen.sh <folder with the built program, e.g. build/bin>
set -uo pipefail

PROGRAMM=$(cd "${1:?Ordner mit dem Programm}" && pwd)
BILDER=${DRILLA_BILDER:-/tmp/drilla-desktop}
mkdir -p "$BILDER"
FEHLER=0
ARBEIT=""
PID=""

ok() { echo "ok    $*"; }
fehler() { echo "FEHLER $*"; FEHLER=$((FEHLER + 1)); }

fenster_von() { # title regex -> first visible window id
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1
}
warte_fenster() { # title regex, tenths of a second
    local n
    for ((n = 0; n < ${2:-50}; n++)); do
        local w
        w=$(fenster_von "$1")
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 1
}
warte_weg() { # window id
    local n
    for ((n = 0; n < 50; n++)); do
        xdotool getwindowname "$1" >/dev/null 2>&1 || return 0
        xwininfo -id "$1" 2>/dev/null | grep -q "IsViewable" || return 0
        sleep 0.1
    done
    return 1
}
klick() { # window, x, y (client coordinates)
    xdotool mousemove --window "$1" "$2" "$3" click 1
}
geometrie() { # window -> "x y w h" of the client area
    xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
        /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

# Starts the program in its working copy, closes the tips and answers the name prompt.
starten() {
    (cd "$ARBEIT" && exec ./drilla >/dev/null 2>>"$BILDER/stderr.txt") &
    PID=$!
    HAUPT=$(warte_fenster '^DRILLA, der Lerntrainer' 80) || { fehler "Hauptfenster erscheint nicht"; return 1; }
    local tipps name n
    # The tips window, when the tips file asks for it, comes before the name prompt.
    for ((n = 0; n < 30; n++)); do
        name=$(fenster_von '^Benutzerverwaltung$')
        [ -n "$name" ] && break
        tipps=$(xdotool search --onlyvisible --name '^DRILLA, der Lerntrainer' 2>/dev/null | grep -v "^$HAUPT$" | head -1)
        if [ -n "$tipps" ]; then
            xdotool windowfocus --sync "$tipps" 2>/dev/null
            xdotool key Escape
            warte_weg "$tipps"
        fi
        sleep 0.1
    done
    name=$(warte_fenster '^Benutzerverwaltung$' 30) || { fehler "Namensabfrage erscheint nicht"; return 1; }
    xdotool windowfocus --sync "$name" 2>/dev/null
    xdotool type --delay 20 "Lea"
    xdotool key Return
    warte_weg "$name"
    sleep 0.3
    # The tips window bears the same title; the main window is the widest of them.
    HAUPT=$(for w in $(xdotool search --onlyvisible --name '^DRILLA, der Lerntrainer' 2>/dev/null); do
        echo "$(xwininfo -id "$w" 2>/dev/null | awk '/Width:/{print $2}') $w"
    done | sort -rn | head -1 | cut -d' ' -f2)
}
# "&Ende" and OK in the confirmation.
beenden() {
    klick "$HAUPT" 664 29
    local frage
    frage=$(warte_fenster '^Bestätigung$' 30) || { fehler "Abschlussfrage erscheint nicht"; kill "$PID"; return 1; }
    xdotool windowfocus --sync "$frage" 2>/dev/null
    xdotool key Return
    local n
    for ((n = 0; n < 50; n++)); do kill -0 "$PID" 2>/dev/null || return 0; sleep 0.1; done
    fehler "Programm endet nicht"
    kill "$PID"
}

durchlauf() { # label, window manager or ""
    local art=$1 wm=$2
    # The server picks a free display itself: a number of a server still shutting down from
    # the run before would take this run's clients with it.
    local nummer
    nummer=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$nummer" >/dev/null 2>&1 &
    local xvfb=$! wmpid="" n
    for ((n = 0; n < 100; n++)); do [ -s "$nummer" ] && break; sleep 0.1; done
    export DISPLAY=:$(head -n 1 "$nummer")
    rm -f "$nummer"
    if [ -n "$wm" ]; then
        $wm >/dev/null 2>&1 &
        wmpid=$!
        sleep 1
    fi
    ARBEIT=$(mktemp -d)
    cp -r "$PROGRAMM"/. "$ARBEIT"/
    rm -f "$ARBEIT"/{drilla3.ini,formpos.ini,tasten.txt,auswertung.txt}

    # 1. The window stays where it was left, restart after restart.
    local erste="" jetzt i stabil=1
    for ((i = 1; i <= ${DRILLA_NEUSTARTS:-4}; i++)); do
        starten || break
        sleep 1 # the window manager's frame, and the placement made again with it
        jetzt=$(geometrie "$HAUPT")
        [ $i -eq 2 ] && erste=$jetzt
        [ $i -gt 2 ] && [ "$jetzt" != "$erste" ] && stabil=0
        echo "      ($art) Start $i: $jetzt"
        beenden
    done
    [ $stabil -eq 1 ] && [ -n "$erste" ] && ok "($art) Fenster bleibt bei Neustarts gleich: $erste" ||
        fehler "($art) Fenster wandert bei Neustarts"

    starten
    import -window root "$BILDER/$art-start.png"
    local titel
    titel=$(xdotool getwindowname "$HAUPT")
    [ "$titel" = "DRILLA, der Lerntrainer  V3.5b " ] && ok "($art) Titel \"$titel\"" ||
        fehler "($art) Titel \"$titel\""

    # 3. Tab reaches "Nächste Aufgabe", Space presses it: without a lesson it says so.
    xdotool key Tab
    sleep 0.2
    xdotool key space
    local box
    if box=$(warte_fenster '^Information$' 20); then
        ok "($art) Tab und Leertaste erreichen \"Nächste Aufgabe\""
        xdotool key Return
        warte_weg "$box"
    else
        fehler "($art) \"Nächste Aufgabe\" mit der Tastatur nicht erreicht"
    fi

    # 5. The file dialog speaks German.
    klick "$HAUPT" 67 30
    sleep 0.4
    klick "$HAUPT" 90 66
    local dialog
    if dialog=$(warte_fenster '^Öffnen$' 30); then
        ok "($art) Dateidialog \"$(xdotool getwindowname "$dialog")\""
        import -window root "$BILDER/$art-dateidialog.png"
        xdotool type --delay 20 "englisch_tiere.txt"
        xdotool key Return
        warte_weg "$dialog"
        sleep 0.5
    else
        fehler "($art) kein deutscher Dateidialog"
        import -window root "$BILDER/$art-dateidialog.png"
        xdotool key Escape
    fi

    # 2. One F2, one solution window; Esc closes it, and it does not come back after the flash.
    xdotool key F2
    local loesung
    if loesung=$(warte_fenster '^Lösung$' 30); then
        sleep 0.3
        import -window root "$BILDER/$art-loesung.png"
        xdotool key Escape
        warte_weg "$loesung"
        sleep 1.6
        import -window root "$BILDER/$art-nach-loesung.png"
        [ -z "$(fenster_von '^Lösung$')" ] && ok "($art) F2 zeigt die Lösung genau einmal, Esc schließt sie" ||
            fehler "($art) die Lösung erscheint ein zweites Mal"
        [ -n "$(fenster_von '^Lösung$')" ] && xdotool key Escape
    else
        fehler "($art) F2 zeigt keine Lösung"
    fi

    # 4. The help closes with Esc.
    klick "$HAUPT" 566 30
    sleep 0.4
    klick "$HAUPT" 590 66
    local hilfe
    if hilfe=$(warte_fenster 'Hilfe$' 30); then
        sleep 0.3
        xdotool key Escape
        warte_weg "$hilfe" && ok "($art) Hilfe schließt mit Esc" || fehler "($art) Hilfe bleibt nach Esc offen"
    else
        fehler "($art) Hilfe erscheint nicht"
    fi
    beenden
    kill "$PID" 2>/dev/null
    kill "$wmpid" "$xvfb" 2>/dev/null
    rm -rf "$ARBEIT"
    wait 2>/dev/null
}

durchlauf openbox openbox
durchlauf ohne-wm ""
echo "Bildschirmfotos in $BILDER"
exit $((FEHLER > 0))
