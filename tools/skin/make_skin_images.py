#!/usr/bin/env python3
"""Draws the images of the shipped skin (FeedbackRes/skin) with ImageMagick.

Every image is drawn at SCALE times its final size and reduced with a good
filter, so that small icons keep smooth, crisp edges. The output carries no
time stamps, so running the script again on the same machine gives the same
files. Usage:

    tools/skin/make_skin_images.py [skin folder]

The default skin folder is FeedbackRes/skin of this repository.
"""

import math
import os
import shutil
import subprocess
import sys
import tempfile

SCALE = 8

# Palette of the light skin; the style sheet uses the same values.
BLUE = "#1f7ae0"
BLUE_DARK = "#1664bd"
BLUE_LIGHT = "#4d98ee"
GREY = "#6b7480"
GREY_LIGHT = "#b9c0c8"
GREY_BORDER = "#c3c9d1"
RED = "#e5484d"
RED_DARK = "#c7373c"
GREEN = "#2fb56a"
ORANGE = "#f06a3c"
WHITE = "#ffffff"

# Strip every chunk that would make the files differ from run to run.
PNG_OPTIONS = ["-strip", "-define", "png:exclude-chunks=date,time,tIME",
               "-define", "png:color-type=6"]


def convert(args):
    subprocess.run(["convert"] + args, check=True)


def s(value):
    """Scales a coordinate of the final image to the drawing canvas."""
    return value * SCALE


def draw_png(path, width, height, primitives, background="none"):
    """Draws primitives (in final-image coordinates, scaled here) into a PNG."""
    args = ["-size", "%dx%d" % (s(width), s(height)), "xc:" + background]
    args += primitives
    args += ["-filter", "Box", "-resize", "%dx%d!" % (width, height)]
    os.makedirs(os.path.dirname(path), exist_ok=True)
    convert(args + PNG_OPTIONS + ["PNG32:" + path])


# Primitive builders. Coordinates and widths are given in final pixels.

def fill(colour):
    return ["-stroke", "none", "-fill", colour]


def rounded_rect(x0, y0, x1, y1, r):
    return ["-draw", "roundrectangle %g,%g %g,%g %g,%g" % (s(x0), s(y0), s(x1), s(y1), s(r), s(r))]


def circle(cx, cy, r):
    return ["-draw", "circle %g,%g %g,%g" % (s(cx), s(cy), s(cx) + s(r), s(cy))]


def line(x0, y0, x1, y1):
    return ["-draw", "line %g,%g %g,%g" % (s(x0), s(y0), s(x1), s(y1))]


def polyline(points):
    return ["-draw", "polyline " + " ".join("%g,%g" % (s(x), s(y)) for x, y in points)]


def polygon(points):
    return ["-draw", "polygon " + " ".join("%g,%g" % (s(x), s(y)) for x, y in points)]


def styled(colour, width, *shapes):
    """Stroked shapes with round caps and joins."""
    result = ["-fill", "none", "-stroke", colour, "-strokewidth", str(s(width))]
    for shape in shapes:
        result += ["-draw", "stroke-linecap round stroke-linejoin round " + shape[1]]
    return result


# ---------------------------------------------------------------- images --

def close_glyph(size, inset, colour, width):
    a, b = inset, size - inset
    return styled(colour, width, line(a, a, b, b), line(a, b, b, a))


def title_close(skin):
    # The title bar's close button, 20 x 20: a thin cross; red disc on hover.
    draw_png(f"{skin}/title/close_normal.png", 20, 20, close_glyph(20, 6, GREY, 1.4))
    draw_png(f"{skin}/title/close_hover.png", 20, 20,
             [*fill(RED), *circle(10, 10, 9.5), *close_glyph(20, 6.5, WHITE, 1.5)])
    draw_png(f"{skin}/title/close_pressed.png", 20, 20,
             [*fill(RED_DARK), *circle(10, 10, 9.5), *close_glyph(20, 6.5, WHITE, 1.5)])


def check_boxes(skin):
    # 14 x 14 indicators of the attachment switches.
    def box(border, background, tick=None):
        shapes = [*fill(background), *rounded_rect(0.5, 0.5, 13.5, 13.5, 3)]
        if border:
            shapes += ["-fill", "none", "-stroke", border, "-strokewidth", str(s(1)),
                       *rounded_rect(1, 1, 13, 13, 2.5)]
        if tick:
            shapes += styled(tick, 1.7, polyline([(3.6, 7.2), (6, 9.6), (10.6, 4.6)]))
        return shapes

    draw_png(f"{skin}/checkbox/unchecked.png", 14, 14, box(GREY_BORDER, WHITE))
    draw_png(f"{skin}/checkbox/unchecked_hover.png", 14, 14, box(BLUE, WHITE))
    draw_png(f"{skin}/checkbox/unchecked_disabled.png", 14, 14, box("#dde1e6", "#f2f4f6"))
    draw_png(f"{skin}/checkbox/checked.png", 14, 14, box(None, BLUE, WHITE))
    draw_png(f"{skin}/checkbox/checked_hover.png", 14, 14, box(None, BLUE_LIGHT, WHITE))
    draw_png(f"{skin}/checkbox/checked_disabled.png", 14, 14, box(None, "#a9c9ef", WHITE))


def capture_and_picture_buttons(skin):
    # Glyphs of the two 34 x 28 buttons beside the picture lists; the button
    # frame comes from the style sheet, the glyph sits in its middle.
    def camera(colour):
        return [*styled(colour, 1.4,
                        ["-draw", "roundrectangle %g,%g %g,%g %g,%g" % (s(2), s(5.5), s(18), s(16.5), s(2), s(2))],
                        polyline([(6.5, 5.5), (7.8, 3.2), (12.2, 3.2), (13.5, 5.5)]),
                        ["-draw", "circle %g,%g %g,%g" % (s(10), s(11), s(13), s(11))]),
                *fill(colour), *circle(15.4, 8, 0.8)]

    def picture(colour):
        return [*styled(colour, 1.4,
                        ["-draw", "roundrectangle %g,%g %g,%g %g,%g" % (s(1.5), s(3.5), s(15.5), s(15.5), s(2), s(2))],
                        polyline([(2, 14), (6.5, 9), (9.5, 12), (11.5, 10.2), (15, 13.8)])),
                *fill(colour), *circle(11.2, 7, 1.3),
                # plus badge at the lower right
                *fill(WHITE), *circle(16, 15.5, 4),
                *styled(colour, 1.4, line(16, 13, 16, 18), line(13.5, 15.5, 18.5, 15.5))]

    states = {"normal": GREY, "hover": BLUE, "pressed": BLUE_DARK, "disabled": GREY_LIGHT}
    for state, colour in states.items():
        draw_png(f"{skin}/button/capture_{state}.png", 20, 20, camera(colour))
        draw_png(f"{skin}/button/picture_{state}.png", 20, 20, picture(colour))


def capture_toolbar(skin):
    # Save and cancel of the capture overlay, 30 x 30, shown over any screen
    # content: a white tile with a dark rim keeps them readable.
    def tile():
        return [*fill("#fafbfc"), *rounded_rect(0.5, 0.5, 29.5, 29.5, 4),
                "-fill", "none", "-stroke", "#00000040", "-strokewidth", str(s(1)),
                *rounded_rect(1, 1, 29, 29, 3.5)]

    draw_png(f"{skin}/button/selected.png", 30, 30,
             [*tile(), *styled(GREEN, 2.4, polyline([(8.5, 15.5), (13, 20), (21.5, 10.5)]))])
    draw_png(f"{skin}/button/delete.png", 30, 30,
             [*tile(), *styled(RED, 2.4, line(10, 10, 20, 20), line(10, 20, 20, 10))])


def result_icons(skin):
    # 40 x 40 status of the result page (label_SubStatus).
    draw_png(f"{skin}/result/success.png", 40, 40,
             [*fill(GREEN), *circle(20, 20, 19),
              *styled(WHITE, 3.4, polyline([(11.5, 20.5), (17.5, 26.5), (28.5, 14.5)]))])
    draw_png(f"{skin}/result/failure.png", 40, 40,
             [*fill(ORANGE), *circle(20, 20, 19),
              *styled(WHITE, 3.6, line(20, 10.5, 20, 23)),
              *fill(WHITE), *circle(20, 29, 2.2)])


def tile_close(skin):
    # The close button of a picture tile, 15 x 15.
    draw_png(f"{skin}/tile/close.png", 15, 15,
             [*fill("#7a828c"), *circle(7.5, 7.5, 7), *close_glyph(15, 4.8, WHITE, 1.3)])
    draw_png(f"{skin}/tile/close_hover.png", 15, 15,
             [*fill(RED), *circle(7.5, 7.5, 7), *close_glyph(15, 4.8, WHITE, 1.3)])


def combo_arrows(skin):
    for name, colour in (("arrow_down", GREY), ("arrow_down_hover", BLUE), ("arrow_down_disabled", GREY_LIGHT)):
        draw_png(f"{skin}/combo/{name}.png", 10, 6,
                 styled(colour, 1.4, polyline([(1.2, 1.2), (5, 4.8), (8.8, 1.2)])))


def application_icon(skin, work):
    # Blue rounded tile with a white speech bubble, in four sizes.
    frames = []
    for size in (16, 24, 32, 48, 64):
        k = size / 32.0
        path = os.path.join(work, "icon%d.png" % size)
        draw_png(path, size, size,
                 [*fill(BLUE), *rounded_rect(1 * k, 1 * k, 31 * k, 31 * k, 7 * k),
                  *fill(WHITE), *rounded_rect(7 * k, 8 * k, 25 * k, 21 * k, 3.5 * k),
                  *polygon([(11 * k, 20 * k), (11 * k, 26 * k), (17 * k, 20 * k)]),
                  *fill(BLUE), *circle(11.5 * k, 14.5 * k, 1.4 * k), *circle(16 * k, 14.5 * k, 1.4 * k),
                  *circle(20.5 * k, 14.5 * k, 1.4 * k)])
        frames.append(path)
    os.makedirs(f"{skin}/Application", exist_ok=True)
    convert(frames + ["-strip", f"{skin}/Application/feedback_icon.ico"])


def loading_gif(skin, work):
    # 20 x 20 spinner: twelve spokes whose shade runs round, drawn on white
    # (the page it sits on), with the white made transparent afterwards so
    # that the antialiased edges blend into the page.
    count = 12
    frames = []
    for frame in range(count):
        shapes = []
        for spoke in range(count):
            age = (spoke - frame) % count
            level = max(0.18, 1.0 - age / float(count))
            r = int(255 - (255 - 0x1f) * level)
            g = int(255 - (255 - 0x7a) * level)
            b = int(255 - (255 - 0xe0) * level)
            angle = 2 * math.pi * spoke / count
            x0, y0 = 10 + 4.5 * math.sin(angle), 10 - 4.5 * math.cos(angle)
            x1, y1 = 10 + 8.5 * math.sin(angle), 10 - 8.5 * math.cos(angle)
            shapes += styled("#%02x%02x%02x" % (r, g, b), 1.8, line(x0, y0, x1, y1))
        path = os.path.join(work, "loading%02d.png" % frame)
        draw_png(path, 20, 20, shapes, background=WHITE)
        frames.append(path)
    os.makedirs(f"{skin}/gif", exist_ok=True)
    convert(["-delay", "8", "-dispose", "Background"] + frames +
            ["-transparent", WHITE, "-loop", "0", "-strip", f"{skin}/gif/loading.gif"])


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    skin = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "FeedbackRes", "skin")
    skin = os.path.normpath(skin)
    if shutil.which("convert") is None:
        sys.exit("ImageMagick's convert is needed")
    work = tempfile.mkdtemp(prefix="skin-images-")
    try:
        title_close(skin)
        check_boxes(skin)
        capture_and_picture_buttons(skin)
        capture_toolbar(skin)
        result_icons(skin)
        tile_close(skin)
        combo_arrows(skin)
        application_icon(skin, work)
        loading_gif(skin, work)
    finally:
        shutil.rmtree(work)
    print("skin images written to", skin)


if __name__ == "__main__":
    main()
