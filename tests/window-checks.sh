# Sourced by the real-window tests (Linux and Wine): one table of pixels and
# clicks for the window $wid of the process $pid, screenshots in $shots.
# Coordinates are the client area's.

shot() {
    import -window "$wid" "$shots/$1.png"
}

expect() { # shot x y r,g,b what
    local got
    got=$(colour "$1" "$2" "$3")
    [[ $got == "$4" ]] || fail "$5: pixel ($2,$3) of $1 is $got, expected $4"
}

# Points of the layout, at the window's scale: a control's ($point), the
# middle of two controls' points, and the middle of a control's left edge.
at() { scaled ${point[$1]}; }
between() {
    local x1 y1 x2 y2
    read -r x1 y1 <<<"${point[$1]}"
    read -r x2 y2 <<<"${point[$2]}"
    scaled $(((x1 + x2) / 2)) $(((y1 + y2) / 2))
}
left_edge() {
    local x y w h
    read -r x y w h <<<"${rect[$1]}"
    scaled "$x" $((y + h / 2))
}

# Pixels of yellow ink in a control's caption (the bold "Элемент", Label23,
# by default: about 110 in bold, about 80 in the regular weight, at scale
# 1). With "field": the ink of a field's text, its darkness summed inside
# the frame.
caption_ink() {
    local x y w h ink='(r>0.6 && g>0.6 && b<0.5) ? 1 : 0'
    read -r x y w h <<<"${rect[${2:-Label23}]}"
    if [[ ${3:-} == field ]]; then
        ink='max(0, 0.7 - intensity) / 0.7'
        ((x += 3, y += 3, w -= 6, h -= 6))
    fi
    read -r x y w h <<<"$(scaled "$x" "$y" "$w" "$h")"
    "$im_convert" "$shots/$1.png" -crop "${w}x$h+$x+$y" +repage -fx "$ink" -format '%[fx:round(mean*w*h)]' info:
}

# The widest run of columns without yellow ink between two inked ones in a
# control's caption: the widest gap between two of its letters.
widest_gap() {
    local x y w h
    read -r x y w h <<<"$(scaled ${rect[$2]})"
    "$im_convert" "$shots/$1.png" -crop "${w}x$h+$x+$y" +repage -fx '(r>0.6 && g>0.6 && b<0.5) ? 1 : 0' \
        -scale "${w}x1!" -compress none pgm:- | tail -n +4 | tr -s ' \n' '\n' |
        awk 'NF { if ($1 > 0) { if (run > widest) widest = run; run = 0; inked = 1 } else if (inked) run++ }
             END { print widest + 0 }'
}

# The window as it opens, a swatch and an option clicked, then Exit: the
# program ends at once with status 0. Screenshots: start and inductor, or
# PREFIX-start and PREFIX-inductor.
drive_window() {
    local start=${1:+$1-}start inductor=${1:+$1-}inductor
    shot "$start"
    local size expected
    size=$(identify -format '%wx%h' "$shots/$start.png")
    expected=$(scaled "$client_width")x$(scaled "$client_height")
    [[ $size == "$expected" ]] || fail "window is $size, expected $expected"
    # shellcheck disable=SC2086
    expect "$start" $(scaled $background_point) 0,64,64 "teal background"
    expect "$start" $(at Line1) 255,255,255 "white stripe 1 over the body"
    expect "$start" $(at Line5) 255,255,255 "white stripe 5"
    expect "$start" $(between Line1 Line2) 128,128,0 "the body between stripes"
    expect "$start" $(left_edge Shape3) 0,128,0 "the green outline"
    local ink
    ink=$(caption_ink "$start")
    ((ink >= 95 * scale_percent * scale_percent / 10000)) || fail "the caption Элемент is not bold: $ink pixels of ink"

    # Red of band 3, then the inductor, clicked far right of its caption.
    click_pause=0.5 click L3_2 Op_G
    shot "$inductor"
    expect "$inductor" $(at Line3) 255,0,0 "stripe 3 red"
    expect "$inductor" $(at Line4) 255,192,128 "stripe 4 gold"
    expect "$inductor" $(at Line5) 128,128,0 "stripe 5 gone, the body shows"
    expect "$inductor" $(at L5_9) 0,64,64 "band 5's white swatch gone"

    click Exit_Btn
    gone "$pid" 10 || fail "still running 10 s after Exit"
    ((gone_status == 0)) || fail "exit status $gone_status"
}
