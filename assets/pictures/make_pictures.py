#!/usr/bin/env python3
"""Draws every picture of VCQuick: icons, the chick character, its animation
frames, the splash picture and the application icon.

    python3 make_pictures.py [OUTDIR]

Each picture is described as ImageMagick vector drawing commands (MVG) in
its own pixel units, rendered by /usr/bin/convert at eight times the final
size and box-averaged down, which gives clean anti-aliased edges at the tiny
sizes the windows use. The output is byte-for-byte repeatable.
"""

import math
import os
import subprocess
import sys

CONVERT = os.environ.get("IM_CONVERT", "/usr/bin/convert")
SS = 8  # supersampling factor

OUT = os.path.abspath(sys.argv[1]) if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))

PANEL_BG = "#fffffa"  # question panel of the drill screen, behind the chick
OMEDETO_BG = "#fff8e6"  # warm cream behind the congratulations frames


# --------------------------------------------------------------------------
# MVG helpers. Every helper returns a self-contained drawing snippet.

def n(v):
    s = f"{v:.3f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join(f"{n(x)},{n(y)}" for x, y in points)


def style(fill="none", stroke="none", sw=1.0, join="round", cap="round", opacity=None):
    s = f"fill '{fill}' stroke '{stroke}' stroke-width {n(sw)} stroke-linejoin {join} stroke-linecap {cap} "
    if opacity is not None:
        s += f"fill-opacity {n(opacity)} stroke-opacity {n(opacity)} "
    return s


def group(*parts, translate=None, rotate=None, scale=None, about=None):
    """A graphic context. rotate turns (degrees, clockwise) about `about`."""
    s = "push graphic-context "
    if translate:
        s += f"translate {n(translate[0])},{n(translate[1])} "
    if scale:
        s += f"scale {n(scale[0])},{n(scale[1])} "
    if rotate:
        cx, cy = about or (0, 0)
        s += f"translate {n(cx)},{n(cy)} rotate {n(rotate)} translate {n(-cx)},{n(-cy)} "
    s += " ".join(parts)
    return s + " pop graphic-context "


def circle(cx, cy, r, **st):
    return group(style(**st) + f"circle {n(cx)},{n(cy)} {n(cx + r)},{n(cy)}")


def ellipse(cx, cy, rx, ry, angle=0, **st):
    body = style(**st) + f"ellipse 0,0 {n(rx)},{n(ry)} 0,360"
    return group(body, translate=(cx, cy), rotate=angle if angle else None)


def poly(points, **st):
    return group(style(**st) + f"polygon {pts(points)}")


def line(points, **st):
    st.setdefault("stroke", "#000")
    return group(style(**st) + f"polyline {pts(points)}")


def rect(x0, y0, x1, y1, r=0, **st):
    if r:
        return group(style(**st) + f"roundrectangle {n(x0)},{n(y0)} {n(x1)},{n(y1)} {n(r)},{n(r)}")
    return group(style(**st) + f"rectangle {n(x0)},{n(y0)} {n(x1)},{n(y1)}")


def path(d, evenodd=False, **st):
    rule = "fill-rule evenodd " if evenodd else ""
    return group(style(**st) + rule + f"path '{d}'")


def ring_path(cx, cy, r):
    """A closed circle as path data (for holes with the even-odd rule)."""
    return (f"M {n(cx + r)},{n(cy)} A {n(r)},{n(r)} 0 1,0 {n(cx - r)},{n(cy)} "
            f"A {n(r)},{n(r)} 0 1,0 {n(cx + r)},{n(cy)} Z ")


def star(cx, cy, r_out, r_in, points=4, turn=0.0):
    """Points of a star polygon (a four-pointed twinkle by default)."""
    out = []
    for i in range(points * 2):
        a = math.pi * i / points + math.radians(turn) - math.pi / 2
        r = r_out if i % 2 == 0 else r_in
        out.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return out


def sparkle(cx, cy, r, color="#ffc400", turn=0.0, outline="#e08a00"):
    return poly(star(cx, cy, r, r * 0.32, 4, turn), fill=color, stroke=outline, sw=max(0.35, r * 0.12))


def arc_points(cx, cy, r, a0, a1, steps=24):
    """Points along a circle from a0 to a1 degrees (0 = right, clockwise)."""
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


def gear_path(cx, cy, r_out, r_in, teeth, hole, top=0.38, base=0.62):
    """Gear outline with a round hole, as even-odd path data."""
    d = []
    step = 2 * math.pi / teeth
    for i in range(teeth):
        a = i * step - math.pi / 2
        for frac, r in ((-base / 2, r_in), (-top / 2, r_out), (top / 2, r_out), (base / 2, r_in)):
            ang = a + frac * step
            d.append((cx + r * math.cos(ang), cy + r * math.sin(ang)))
    s = "M " + " L ".join(f"{n(x)},{n(y)}" for x, y in d) + " Z "
    return s + ring_path(cx, cy, hole)


# --------------------------------------------------------------------------
# Rendering.

def render(name, w, h, drawing, bg="none"):
    """Render `drawing` (units = output pixels) to OUT/name."""
    ext = name.rsplit(".", 1)[1]
    cmd = [CONVERT, "-size", f"{w * SS}x{h * SS}", f"xc:{bg}",
           "-draw", f"affine {SS},0,0,{SS},0,0 " + drawing,
           "-scale", f"{w}x{h}!"]
    target = os.path.join(OUT, name)
    if ext == "png":
        cmd += ["-depth", "8", "-strip", "-define", "png:exclude-chunks=date,time",
                "-define", "png:compression-level=9", f"PNG32:{target}"]
    elif ext == "bmp":
        cmd += ["-background", bg, "-alpha", "remove", "-alpha", "off", "-depth", "8",
                "-type", "TrueColor", "-strip", f"BMP3:{target}"]
    elif ext == "jpg":
        cmd += ["-background", bg, "-alpha", "remove", "-alpha", "off", "-depth", "8",
                "-strip", "-quality", "95", "-sampling-factor", "1x1",
                "-interlace", "none", f"JPEG:{target}"]
    else:
        raise ValueError(name)
    subprocess.run(cmd, check=True)
    return target


# --------------------------------------------------------------------------
# The chick. Drawn in a 24 x 32 box, feet on y = 31.

YELLOW = "#ffd53d"
YELLOW_DARK = "#f4b51f"
OUTLINE = "#a8631a"
BEAK = "#ff8a1c"
BEAK_DARK = "#b4520c"
EYE = "#2a1c12"
CHEEK = "#ff8f8f"
TEAR = "#4aa8ff"
MOUTH = "#8a2a10"

NEUTRAL = dict(dy=0, tilt=0, head_dy=0, head_tilt=0, eyes="dot", beak="closed",
               wing_l=12, wing_r=12, feet="stand", tuft="normal", body_ry=7.6,
               extras=())


def wing(side, angle):
    """A wing hanging from the shoulder; angle 0 hangs down, 90 points out,
    150 is raised high."""
    ax, ay = (5.2, 19.2) if side < 0 else (18.8, 19.2)
    a = math.radians(angle)
    dx, dy = (-math.sin(a), math.cos(a)) if side < 0 else (math.sin(a), math.cos(a))
    cx, cy = ax + dx * 3.0, ay + dy * 3.0
    rot = angle if side < 0 else -angle
    return ellipse(cx, cy, 2.3, 4.3, rot, fill=YELLOW_DARK, stroke=OUTLINE, sw=1.0)


def eyes(kind, hx, hy):
    lx, rx, y = hx - 3.0, hx + 3.0, hy - 0.3
    s = ""
    if kind == "dot":
        for x in (lx, rx):
            s += circle(x, y, 1.35, fill=EYE)
            s += circle(x - 0.4, y - 0.45, 0.45, fill="#ffffff")
    elif kind == "happy":  # ^ ^
        for x in (lx, rx):
            s += line([(x - 1.5, y + 0.9), (x, y - 0.7), (x + 1.5, y + 0.9)], stroke=EYE, sw=1.15)
    elif kind == "big":  # wide open, brows raised
        for x, sgn in ((lx, -1), (rx, 1)):
            s += ellipse(x, y - 0.2, 1.25, 2.0, fill=EYE)
            s += circle(x - 0.4, y - 0.9, 0.5, fill="#ffffff")
            s += path(f"M {n(x - 1.5)},{n(y - 3.0)} Q {n(x)},{n(y - 4.4)} {n(x + 1.5)},{n(y - 3.0)}",
                      stroke=EYE, sw=0.8)
    elif kind == "worried":  # dots under slanted brows
        for x, sgn in ((lx, -1), (rx, 1)):
            s += circle(x, y + 0.3, 1.2, fill=EYE)
            s += circle(x - 0.35, y - 0.1, 0.4, fill="#ffffff")
            s += line([(x + sgn * 1.7, y - 2.1), (x - sgn * 1.0, y - 3.0)], stroke=EYE, sw=0.8)
    elif kind == "down":  # closed, drooping outwards
        for x, sgn in ((lx, -1), (rx, 1)):
            s += line([(x - sgn * 1.3, y - 0.2), (x + sgn * 1.4, y + 1.0)], stroke=EYE, sw=1.1)
    elif kind == "cry":  # tightly shut: > <
        s += line([(lx - 1.3, y - 1.0), (lx + 1.2, y + 0.1), (lx - 1.3, y + 1.2)], stroke=EYE, sw=1.0)
        s += line([(rx + 1.3, y - 1.0), (rx - 1.2, y + 0.1), (rx + 1.3, y + 1.2)], stroke=EYE, sw=1.0)
    return s


def beak(kind, hx, hy):
    y = hy + 2.2
    if kind == "closed":
        return poly([(hx - 1.7, y - 0.4), (hx + 1.7, y - 0.4), (hx, y + 1.9)], fill=BEAK, stroke=BEAK_DARK, sw=0.6)
    if kind == "open":
        return (ellipse(hx, y + 1.0, 1.5, 1.3, fill=MOUTH)
                + poly([(hx - 1.9, y - 0.6), (hx + 1.9, y - 0.6), (hx, y + 0.9)], fill=BEAK, stroke=BEAK_DARK, sw=0.6)
                + poly([(hx - 1.3, y + 1.6), (hx + 1.3, y + 1.6), (hx, y + 2.9)], fill=BEAK, stroke=BEAK_DARK, sw=0.6))
    if kind == "o":
        return (ellipse(hx, y + 0.8, 1.6, 1.7, fill=BEAK, stroke=BEAK_DARK, sw=0.6)
                + ellipse(hx, y + 0.9, 0.8, 0.9, fill=MOUTH))
    if kind == "sad":  # small, pointing down a little more
        return poly([(hx - 1.5, y - 0.2), (hx + 1.5, y - 0.2), (hx, y + 1.5)], fill=BEAK, stroke=BEAK_DARK, sw=0.6)
    raise ValueError(kind)


def tuft(kind, hx, top):
    if kind == "normal":
        pts_ = [(hx - 0.6, top + 0.8), (hx - 1.8, top - 2.0), (hx + 0.1, top - 0.6),
                (hx + 1.6, top - 2.6), (hx + 1.0, top + 0.8)]
    elif kind == "up":
        pts_ = [(hx - 1.3, top + 0.8), (hx - 2.2, top - 2.8), (hx - 0.2, top - 1.0),
                (hx + 0.4, top - 3.4), (hx + 1.2, top - 1.0), (hx + 2.4, top - 2.6), (hx + 1.4, top + 0.8)]
    else:  # droop
        pts_ = [(hx - 0.4, top + 0.8), (hx + 0.4, top - 1.2), (hx + 2.6, top - 1.4),
                (hx + 3.0, top + 0.2), (hx + 1.4, top + 0.9)]
    return poly(pts_, fill=YELLOW, stroke=OUTLINE, sw=0.8)


def feet(kind):
    st = dict(stroke=BEAK_DARK, sw=1.5)
    top = dict(stroke=BEAK, sw=0.9)
    if kind == "stand":
        s = ""
        for x in (9.2, 14.8):
            claw = [(x - 1.6, 31.4), (x, 29.6), (x + 1.6, 31.4)]
            s += line(claw, **st) + line(claw, **top) + line([(x, 28.6), (x, 31.4)], **st) \
                + line([(x, 28.6), (x, 31.2)], **top)
        return s
    if kind == "dangle":
        s = ""
        for x in (9.4, 14.6):
            claw = [(x - 1.1, 31.3), (x, 29.6), (x + 1.1, 31.3)]
            s += line(claw, **st) + line(claw, **top)
        return s
    if kind == "sit":  # toes poking out in front
        return (ellipse(8.4, 30.7, 2.0, 1.0, fill=BEAK, stroke=BEAK_DARK, sw=0.6)
                + ellipse(15.6, 30.7, 2.0, 1.0, fill=BEAK, stroke=BEAK_DARK, sw=0.6))
    return ""


def chick(pose=None, **kw):
    """MVG for the chick in the 24 x 32 box."""
    p = dict(NEUTRAL)
    if pose:
        p.update(pose)
    p.update(kw)
    body_ry = p["body_ry"]
    body_cy = 29.6 - body_ry  # the body rests just above the feet
    if p["feet"] == "sit":
        body_cy = 31.4 - body_ry
    hx, hy = 12.0, 12.2 + p["head_dy"]
    hr = 7.0

    front = feet(p["feet"])
    back = ""
    # Outline pass, then fill pass: head and body share one silhouette.
    head_parts_outline = circle(hx, hy, hr, fill=OUTLINE, stroke=OUTLINE, sw=2.0)
    head_parts_fill = circle(hx, hy, hr, fill=YELLOW)
    head = (tuft(p["tuft"], hx, hy - hr) + head_parts_outline)
    body_outline = ellipse(12, body_cy, 8.6, body_ry, fill=OUTLINE, stroke=OUTLINE, sw=2.0)
    body_fill = ellipse(12, body_cy, 8.6, body_ry, fill=YELLOW)
    belly = ellipse(12, body_cy + 1.2, 5.4, body_ry - 2.6, fill="#ffe785")
    face = (ellipse(hx - 4.6, hy + 2.6, 1.4, 0.9, fill=CHEEK, opacity=0.75)
            + ellipse(hx + 4.6, hy + 2.6, 1.4, 0.9, fill=CHEEK, opacity=0.75)
            + eyes(p["eyes"], hx, hy) + beak(p["beak"], hx, hy))
    head_group = group(head, rotate=p["head_tilt"], about=(hx, hy + hr))
    head_fill_group = group(head_parts_fill + face, rotate=p["head_tilt"], about=(hx, hy + hr))

    wings = wing(-1, p["wing_l"]) + wing(1, p["wing_r"])
    raised = p["wing_l"] > 60 or p["wing_r"] > 60

    figure = back + body_outline + head_group + body_fill + belly
    if raised:
        # raised wings sit behind the head outline but in front of the body
        figure = back + wings + body_outline + head_group + body_fill + belly
        figure += head_fill_group
    else:
        figure += head_fill_group + wings
    figure += front
    figure = group(figure, rotate=p["tilt"], about=(12, 31))
    if p["dy"]:
        figure = group(figure, translate=(0, p["dy"]))

    extra = ""
    for e in p["extras"]:
        kind = e[0]
        if kind == "sparkle":
            extra += sparkle(*e[1:])
        elif kind == "tear":
            x, y = e[1], e[2]
            extra += path(f"M {n(x)},{n(y - 1.8)} C {n(x + 1.3)},{n(y)} {n(x + 1.1)},{n(y + 1.3)} {n(x)},{n(y + 1.3)} "
                          f"C {n(x - 1.1)},{n(y + 1.3)} {n(x - 1.3)},{n(y)} {n(x)},{n(y - 1.8)} Z",
                          fill=TEAR, stroke="#1f6fc0", sw=0.4)
        elif kind == "bang":  # "!" of surprise
            x, y = e[1], e[2]
            extra += line([(x, y), (x + 0.3, y + 3.4)], stroke="#e8301c", sw=1.3)
            extra += circle(x + 0.45, y + 5.2, 0.7, fill="#e8301c")
        elif kind == "gloom":  # vertical lines of gloom over the head
            x, y = e[1], e[2]
            for i in range(3):
                extra += line([(x + i * 2.0, y), (x + i * 2.0, y + 3.4 - (i % 2) * 1.2)], stroke="#6a7fb0", sw=0.8)
        elif kind == "motion":  # little lines under a jump
            for x in (8.5, 12.0, 15.5):
                extra += line([(x, e[1]), (x, e[1] + 1.6)], stroke="#c9b48a", sw=0.7)
        elif kind == "flag":
            x, y = e[1], e[2]
            extra += line([(x, y), (x, y + 15)], stroke="#7a4a1e", sw=1.0)
            # a two-coloured pennant
            extra += poly([(x, y), (x + 10.5, y + 3.4), (x, y + 6.8)], fill="#e8303c", stroke="#8a1420", sw=0.6)
            extra += poly([(x + 0.3, y + 2.3), (x + 7.2, y + 3.4), (x + 0.3, y + 4.5)], fill="#ffe14a", stroke="none")
    return figure + extra


POSES = {
    "u1": dict(),
    "u2": dict(eyes="happy", beak="open", wing_l=125, wing_r=125, body_ry=7.9),
    "u3": dict(eyes="happy", beak="open", wing_l=140, wing_r=140, dy=-2.6, feet="dangle", body_ry=8.0,
               extras=(("sparkle", 2.4, 4.2, 2.2), ("sparkle", 21.6, 6.0, 1.8), ("sparkle", 21.8, 24.5, 1.3),
                       ("motion", 29.8))),
    "u4": dict(eyes="big", beak="o", wing_l=80, wing_r=80, tuft="up", head_dy=-0.6,
               extras=(("bang", 21.3, 1.2),)),
    "u5": dict(eyes="worried", beak="sad", wing_l=4, wing_r=4, head_dy=0.6, extras=(("tear", 20.6, 7.0),)),
    "u6": dict(eyes="down", beak="sad", wing_l=0, wing_r=0, head_dy=1.6, head_tilt=-12, tuft="droop",
               body_ry=7.3, extras=(("gloom", 15.5, 0.8), ("tear", 3.8, 16.5))),
    "u7": dict(eyes="cry", beak="sad", wing_l=0, wing_r=0, head_dy=3.4, feet="sit", body_ry=6.6,
               tuft="droop", extras=(("tear", 4.4, 17.4), ("tear", 19.8, 18.6), ("gloom", 9.6, 1.0))),
}


# --------------------------------------------------------------------------
# Command bar and drill screen icons, 32 x 32.

DARK = "#2f3440"


def icon_quit():
    # an open door with an arrow walking out of it
    s = rect(5, 3.5, 19, 29, fill="#fdf3dc", stroke=DARK, sw=1.4, join="miter")
    s += poly([(5.7, 4.2), (14.5, 6.6), (14.5, 30.3), (5.7, 28.3)], fill="#b26b2e", stroke="#5a3212", sw=1.2)
    s += circle(12.6, 18.2, 1.1, fill="#ffd34a", stroke="#5a3212", sw=0.5)
    s += line([(16.5, 17), (24.8, 17)], stroke="#1d8a2e", sw=4.0, cap="butt")
    s += poly([(23.4, 10.8), (30.6, 17), (23.4, 23.2)], fill="#1d8a2e", stroke="#0e5219", sw=1.0)
    s += line([(16.5, 15.2), (24, 15.2)], stroke="#5fd06a", sw=0.9, cap="butt")
    return s


def icon_open():
    s = poly([(2.5, 8), (11, 8), (13.5, 10.5), (27, 10.5), (27, 27), (2.5, 27)],
             fill="#e0a326", stroke="#7a5208", sw=1.3)
    s += poly([(8, 5.5), (24, 5.5), (24, 22), (8, 22)], fill="#ffffff", stroke="#8a8f99", sw=0.9)
    for y in (9.5, 12.5, 15.5):
        s += line([(11, y), (21, y)], stroke="#9aa3b5", sw=0.9)
    s += poly([(6.5, 14.5), (30.5, 14.5), (26.5, 27), (2.5, 27)], fill="#ffc94a", stroke="#7a5208", sw=1.3)
    return s


def icon_new():
    s = poly([(6, 3), (19.5, 3), (26, 9.5), (26, 29), (6, 29)], fill="#ffffff", stroke=DARK, sw=1.3)
    s += poly([(19.5, 3), (19.5, 9.5), (26, 9.5)], fill="#d9dee8", stroke=DARK, sw=1.1)
    for y in (14, 18, 22):
        s += line([(10, y), (22, y)], stroke="#9aa3b5", sw=1.1)
    s += poly(star(24, 24, 7.2, 2.4, 4), fill="#ffd23a", stroke="#c07a00", sw=0.9)
    return s


def icon_range():
    s = rect(5, 2.5, 27, 29.5, 2, fill="#fffdf3", stroke=DARK, sw=1.3)
    for i, checked in enumerate((True, True, False)):
        y = 8 + i * 8
        s += rect(8, y - 2.8, 13.6, y + 2.8, 1, fill="#ffffff", stroke="#4a5060", sw=1.0)
        if checked:
            s += line([(8.9, y - 0.2), (10.9, y + 2.1), (15, y - 4.2)], stroke="#1f9a35", sw=2.0)
        s += line([(16.5, y), (24, y)], stroke="#7d8696", sw=1.5)
    return s


def icon_go():
    # a light disc, so that it stands out on a green button as well
    s = circle(16, 16, 13.3, fill="#f4fff2", stroke="#0f5a1d", sw=1.6)
    s += circle(16, 16, 11.0, fill="none", stroke="#b8e8bc", sw=1.0)
    s += poly([(12.4, 8.4), (23.8, 16), (12.4, 23.6)], fill="#22a03a", stroke="#0f5a1d", sw=1.2)
    return s


def icon_gear(color="#6f7d94", dark="#2f3a4c", cx=16, cy=16, scale=1.0):
    d = gear_path(cx, cy, 13.4 * scale, 10.2 * scale, 8, 4.3 * scale)
    s = path(d, evenodd=True, fill=color, stroke=dark, sw=1.3 * scale)
    s += circle(cx, cy, 7.4 * scale, fill="none", stroke="#aab6c8", sw=1.0 * scale)
    return s


def icon_sheet():
    s = rect(3, 3, 29, 29, 1.5, fill="#ffffff", stroke=DARK, sw=1.3)
    s += rect(3.6, 3.6, 28.4, 8.5, fill="#5b8bd6")
    for y in (14, 19.5, 25):
        s += line([(3.6, y), (28.4, y)], stroke="#d5dbe6", sw=0.8, cap="butt")
    s += line([(3.6, 8.5), (28.4, 8.5)], stroke=DARK, sw=1.0, cap="butt")
    for x, top, col in ((7, 18, "#ef8a2b"), (13.2, 12, "#2fa84a"), (19.4, 15, "#e8c21e")):
        s += rect(x, top, x + 4.6, 27.5, fill=col, stroke="#444", sw=0.7, join="miter")
    s += line([(5, 27.8), (27, 27.8)], stroke=DARK, sw=1.0, cap="butt")
    return s


def icon_class():
    # a class's table: rows of learners, each cell in the class window's
    # blues, darker for more mastered; two learners in front of it
    s = rect(2, 2.5, 28, 24.5, 1.5, fill="#ffffff", stroke=DARK, sw=1.3)
    s += rect(2.6, 3.1, 27.4, 7.5, fill="#5b8bd6")
    s += line([(2.6, 7.5), (27.4, 7.5)], stroke=DARK, sw=1.0, cap="butt")
    heat = ("#eff3ff", "#c6dbef", "#9ecae1", "#6baed6", "#3182bd", "#08306b")
    steps = ((5, 3, 4), (2, 4, 1), (3, 5, 2), (1, 2, 0))
    for r, row in enumerate(steps):
        y = 8.6 + r * 3.9
        s += rect(3.4, y, 9.4, y + 3.1, fill="#d9dee8")
        for c, h in enumerate(row):
            x = 10.4 + c * 5.6
            s += rect(x, y, x + 5, y + 3.1, fill=heat[h], stroke="#7d8696", sw=0.5, join="miter")
    for cx, col, dark in ((21.5, "#e8533a", "#7a1e10"), (27, "#2fa84a", "#0f5a1d")):
        s += path(f"M {cx - 4.6},31 C {cx - 4.6},24.5 {cx + 4.6},24.5 {cx + 4.6},31 Z",
                  fill=col, stroke=dark, sw=1.0)
        s += circle(cx, 21.6, 2.9, fill="#ffe0b8", stroke="#6b4a2a", sw=0.9)
    return s


def icon_help():
    s = circle(16, 16, 13.3, fill="#2f78d8", stroke="#143f7a", sw=1.4)
    s += path("M 11.6,12.4 C 11.6,7.9 20.4,7.9 20.4,12.4 C 20.4,15.6 16,15.8 16,19.6",
              stroke="#ffffff", sw=3.4)
    s += circle(16, 24.2, 2.1, fill="#ffffff")
    return s


def icon_redraw():
    s = ""
    col, dark = "#1f9ad0", "#0b4f74"
    for a0, a1 in ((200, 335), (20, 155)):
        p = arc_points(16, 16, 10, a0, a1)
        s += line(p, stroke=dark, sw=4.6, cap="butt")
        s += line(p, stroke=col, sw=2.8, cap="butt")
        # arrow head at the end of the arc, pointing along the turn
        ex, ey = p[-1]
        a = math.radians(a1)
        tx, ty = -math.sin(a), math.cos(a)  # tangent (clockwise)
        nx, ny = math.cos(a), math.sin(a)  # outward
        tip = (ex + tx * 5.2, ey + ty * 5.2)
        s += poly([(ex + nx * 4.6, ey + ny * 4.6), tip, (ex - nx * 4.6, ey - ny * 4.6)],
                  fill=col, stroke=dark, sw=1.0)
    return s


def icon_back():
    # a U-turn arrow pointing left: back to the lesson list
    s = path("M 25.5,28.5 L 25.5,16 C 25.5,11.2 22.5,9.6 18.5,9.6 L 11,9.6", stroke="#0c3e78", sw=6.4, cap="butt")
    s += path("M 25.5,27.9 L 25.5,16 C 25.5,11.2 22.5,9.6 18.5,9.6 L 11,9.6", stroke="#2f86e0", sw=4.0, cap="butt")
    s += poly([(12.2, 2.4), (2.6, 9.6), (12.2, 16.8)], fill="#2f86e0", stroke="#0c3e78", sw=1.2)
    return s


def icon_keyboard():
    s = rect(1.5, 8.5, 30.5, 24.5, 2.5, fill="#dfe3ea", stroke=DARK, sw=1.3)
    rows = ((11.0, 2.0, 6), (14.8, 3.2, 6), (18.6, 2.0, 6))
    for y, x0, count in rows:
        for i in range(count):
            x = x0 + 1.6 + i * 4.4
            s += rect(x, y, x + 3.4, y + 2.9, 0.6, fill="#ffffff", stroke="#6d7484", sw=0.6)
    s += rect(9, 22, 23, 23.4, 0.5, fill="#ffffff", stroke="#6d7484", sw=0.5)
    return s


def icon_mouse():
    s = path("M 19,8 C 19,3 26,4.5 24.5,1", stroke=DARK, sw=1.4)
    s += rect(8, 7, 24, 30, 8, fill="#eef1f6", stroke=DARK, sw=1.4)
    s += path("M 16,7.4 L 16,17 M 8.4,17 L 23.6,17", stroke="#6d7484", sw=1.0)
    s += path("M 16,7.6 L 16,16.5 L 8.6,16.5 L 8.6,15 C 8.6,10 11.5,7.6 16,7.6 Z", fill="#8fb7ee", stroke="none")
    s += rect(15, 10, 17, 14, 1, fill="#555c6b")
    return s


def icon_settings():
    s = rect(2.5, 3, 29.5, 29, 2.5, fill="#f2f5fa", stroke=DARK, sw=1.3)
    for y, knob, col in ((9.5, 20, "#e8533a"), (16, 11, "#2fa84a"), (22.5, 17, "#2f78d8")):
        s += line([(7, y), (25, y)], stroke="#8d95a5", sw=1.6)
        s += rect(knob - 2, y - 3.2, knob + 2, y + 3.2, 1, fill=col, stroke="#333", sw=0.8)
    return s


def icon_right():  # 16 x 16: the ring mark of a right answer
    return (circle(8, 8, 5.6, stroke="#0f6a22", sw=3.6)
            + circle(8, 8, 5.6, stroke="#2fbf4a", sw=2.2))


def icon_wrong():  # 16 x 16: the cross of a wrong answer
    d = "M 3.4,3.4 L 12.6,12.6 M 12.6,3.4 L 3.4,12.6"
    return path(d, stroke="#8a1010", sw=3.9) + path(d, stroke="#e8302a", sw=2.5)


# --------------------------------------------------------------------------
# Letter "A" as a shape, for the ABC block and the application icon.

def letter_a(x, y, h, **st):
    u = h / 10.0
    outer = [(0, 10), (3.6, 0), (5.4, 0), (9, 10), (6.8, 10), (6.1, 7.9), (2.9, 7.9), (2.2, 10)]
    hole = [(3.5, 6.1), (5.5, 6.1), (4.5, 3.0)]
    d = "M " + " L ".join(f"{n(x + px * u)},{n(y + py * u)}" for px, py in outer) + " Z "
    d += "M " + " L ".join(f"{n(x + px * u)},{n(y + py * u)}" for px, py in hole) + " Z"
    return path(d, evenodd=True, **st)


def abc_block(x, y, size):
    s = poly([(x, y + size * 0.25), (x + size * 0.25, y), (x + size * 1.05, y), (x + size * 1.05, y + size * 0.8),
              (x + size * 0.8, y + size * 1.05), (x, y + size * 1.05)], fill="#3f7fd6", stroke="#163f7a", sw=size * 0.07)
    s += rect(x, y + size * 0.25, x + size * 0.8, y + size * 1.05, fill="#ffffff", stroke="#163f7a", sw=size * 0.07,
              join="miter")
    s += letter_a(x + size * 0.08, y + size * 0.36, size * 0.6, fill="#e8303c")
    return s


def splash():
    # 36 x 34: the chick beside an ABC block, on the splash window's colour
    s = group(chick(eyes="happy", beak="open", wing_l=30, wing_r=100), translate=(0.5, 1.6), scale=(1.0, 0.98))
    s += abc_block(23.2, 20.6, 11.5)
    s += sparkle(31, 6, 3.4)
    return s


def app_icon():
    # 64 x 64 units
    s = rect(3, 3, 61, 61, 12, fill="#4f8fe6", stroke="#23528f", sw=2.0)
    s += path("M 5,40 C 20,34 44,36 59,42 L 59,49 C 59,55.6 55.6,59 49,59 L 15,59 C 8.4,59 5,55.6 5,49 Z",
              fill="#7fc46a")
    # speech bubble with an A
    s += path("M 40,7 L 56,7 C 58.5,7 59.5,8 59.5,10.5 L 59.5,22 C 59.5,24.5 58.5,25.5 56,25.5 L 47,25.5 "
              "L 41,31 L 42.5,25.5 L 40,25.5 C 37.5,25.5 36.5,24.5 36.5,22 L 36.5,10.5 C 36.5,8 37.5,7 40,7 Z",
              fill="#ffffff", stroke="#23528f", sw=1.4)
    s += letter_a(42.8, 10.2, 12, fill="#e8303c")
    s += group(chick(eyes="happy", beak="open", wing_l=140, wing_r=40), translate=(6, 9), scale=(1.55, 1.55))
    return s


def omedeto_start():
    # the chick waving a flag
    return (group(chick(eyes="happy", beak="open", wing_l=10, wing_r=115,
                        extras=(("flag", 24.6, 1.6),)), translate=(2.0, 7.5), scale=(1.25, 1.25))
            + sparkle(6, 8, 3.2) + sparkle(42.5, 40, 2.4, color="#ff8fb0", outline="#d04070"))


def confetti(frame):
    """Confetti falling through the picture; one full loop in eight frames."""
    pieces = [(5, 0, "#e8303c", 20), (13, 29, "#2f86e0", -30), (38, 11, "#2fa84a", 40),
              (43, 37, "#ffb000", -15), (22, 5, "#b04ad0", 60), (30, 43, "#e8303c", 10),
              (2, 33, "#ffb000", -50), (45, 22, "#2f86e0", 25)]
    s = ""
    for x, y0, col, rot in pieces:
        y = (y0 + frame * 6) % 48
        for yy in (y, y - 48):
            turn = rot + frame * 45
            s += ellipse(x, yy, 1.6, 0.8, turn, fill=col)
    return s


def omedeto_frame(i):
    # i = 0..7: the chick dances left, jumps, dances right, jumps ...
    phase = i % 4
    sway = (-1.6, 0, 1.6, 0)[phase]
    tilt = (-10, 0, 10, 0)[phase]
    hop = (0, -3.2, 0, -3.2)[phase]
    if phase == 0:
        pose = dict(eyes="happy", beak="open", wing_l=150, wing_r=40, tilt=tilt)
    elif phase == 2:
        pose = dict(eyes="happy", beak="open", wing_l=40, wing_r=150, tilt=tilt)
    else:
        pose = dict(eyes="happy" if i != 3 else "dot", beak="open", wing_l=160, wing_r=160,
                    dy=hop, feet="dangle", body_ry=8.0)
    s = confetti(i)
    s += group(chick(pose), translate=(8.5 + sway, 7.0), scale=(1.25, 1.25))
    # twinkles that light up in turn around the dancer
    spots = [(5, 8), (41, 7), (43, 30), (4, 31)]
    for k, (x, y) in enumerate(spots):
        size = (3.6, 2.4, 1.4, 0)[(i + k * 2) % 4]
        if size:
            s += sparkle(x, y, size, turn=(i * 15) % 90)
    return s


# --------------------------------------------------------------------------

def main():
    os.makedirs(OUT, exist_ok=True)
    icons32 = {
        "quit.png": icon_quit, "open.png": icon_open, "new.png": icon_new, "range.png": icon_range,
        "go.png": icon_go, "option.png": icon_gear, "sheet.png": icon_sheet, "class.png": icon_class, "help.png": icon_help,
        "redraw.png": icon_redraw, "quitdrill.png": icon_back, "keyboard.png": icon_keyboard,
        "mouse.png": icon_mouse, "settings.png": icon_settings,
    }
    for name, fn in icons32.items():
        render(name, 32, 32, fn())
    render("right.png", 16, 16, icon_right())
    render("wrong.png", 16, 16, icon_wrong())

    render("splash.png", 36, 34, splash())
    render("vcquick.png", 64, 64, app_icon())
    big = group(app_icon(), scale=(4, 4))
    render("vcquick-256.png", 256, 256, big)

    for name, pose in POSES.items():
        ext = "jpg" if name == "u3" else "bmp"
        render(f"{name}.{ext}", 24, 32, chick(pose), bg=PANEL_BG)
    render("esper.bmp", 24, 32, chick(POSES["u1"]), bg=PANEL_BG)

    render("omedeto.bmp", 47, 48, omedeto_start(), bg=OMEDETO_BG)
    for i in range(8):
        render(f"om{i + 1}.jpg", 47, 48, omedeto_frame(i), bg=OMEDETO_BG)

    for f in sorted(os.listdir(OUT)):
        if f.rsplit(".", 1)[-1] in ("png", "bmp", "jpg"):
            print(f"{f:18s} {os.path.getsize(os.path.join(OUT, f)):6d} bytes")


if __name__ == "__main__":
    main()
