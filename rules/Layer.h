// Layer: what a timeline file's scene draws over its image, in order: a picture placed in a box,
// a plain colour, text written by the font printer, or a picture on a plane in 3D seen through
// the scene's camera, each with its opacity. Boxes are screen
// fractions from the top-left corner. Values that may change over the scene are tracks; a layer
// asked at a time gives a LayerDrawing, the plain values the GL side draws. Pure: no GL.
#pragma once

#include "draw/core/PicturePlace.h"
#include "draw/core/PlaneView.h"
#include "rules/Track.h"

#include <array>
#include <cstdint>
#include <string>

enum class LayerKind : uint8_t { Picture, Colour, Text, Plane, Shader };

using Colour = std::array<uint8_t, 3>; // red, green, blue, 0 to 255
using Box = std::array<float, 4>;      // x, y, width, height

struct LayerDrawing {
    LayerKind kind = LayerKind::Picture;
    int image = -1; // a picture layer's image number
    afterglow::Fit fit = afterglow::Fit::Stretch;
    Colour colour{255, 255, 255};
    std::string text{};
    int font = 0;
    float size = 1.0f; // text: a multiple of the printer's own size
    Box box{0.0f, 0.0f, 1.0f, 1.0f};
    float alpha = 1.0f;
    afterglow::PlanePose plane{};   // a plane layer's place, turn and size
    afterglow::CameraPose camera{}; // and the scene's camera
    // A shader layer's: its shader (a number of the timeline's list), its pictures (-1 for none)
    // and the clock it is given, in seconds, and in beats past the first.
    int shader = -1;
    std::array<int, 4> pictures{-1, -1, -1, -1};
    float clockSeconds = 0.0f, sceneSeconds = 0.0f, beat = 0.0f;
    bool operator==(const LayerDrawing& o) const {
        return kind == o.kind && image == o.image && fit == o.fit && colour == o.colour &&
               text == o.text && font == o.font && size == o.size && box == o.box &&
               alpha == o.alpha && plane == o.plane && camera == o.camera && shader == o.shader &&
               pictures == o.pictures && clockSeconds == o.clockSeconds &&
               sceneSeconds == o.sceneSeconds && beat == o.beat;
    }
};

struct Layer {
    LayerKind kind = LayerKind::Picture;
    int image = -1;
    afterglow::Fit fit = afterglow::Fit::Stretch;
    Colour colour{255, 255, 255};
    std::string text{};
    // A text layer's font: its number, or its name until the font table has been asked (see
    // bindFonts); where the file names it, FILE:LINE:COLUMN, for a report then.
    int font = 0;
    std::string fontName;
    std::string fontPlace;
    Track size = Track::of(1.0);
    std::array<Track, 4> box{Track::of(0.0), Track::of(0.0), Track::of(1.0), Track::of(1.0)};
    Track alpha = Track::of(1.0);
    // A plane layer's: its centre, its turn in degrees and its size (the screen's when not given).
    std::array<Track, 3> position{Track::of(0.0), Track::of(0.0), Track::of(0.0)};
    std::array<Track, 3> rotation{Track::of(0.0), Track::of(0.0), Track::of(0.0)};
    std::array<Track, 2> planeSize{Track::of(2.0), Track::of(2.0)};
    bool planeSized = false;
    // A shader layer's shader and pictures.
    int shader = -1;
    std::array<int, 4> pictures{-1, -1, -1, -1};

    LayerDrawing at(uint32_t elapsed) const;
};

// A scene's camera: each part may change over the scene. Without an eye, the eye stands on the z
// axis at the distance where the screen's height (2) fills the view, as the default camera does.
struct SceneCamera {
    std::array<Track, 3> eye{Track::of(0.0), Track::of(0.0), Track::of(0.0)};
    std::array<Track, 3> target{Track::of(0.0), Track::of(0.0), Track::of(0.0)};
    std::array<Track, 3> up{Track::of(0.0), Track::of(1.0), Track::of(0.0)};
    Track fov = Track::of(60.0);
    bool eyeGiven = false;

    afterglow::CameraPose at(uint32_t elapsed) const;
};
