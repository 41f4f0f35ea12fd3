#include "rules/ImageList.h"

const std::string ImageList[kImageCount] = {
    "data/intro.tga",      "data/lobby_robot.tga", "data/lobby_roboat.tga", "data/stjerner.tga",
    "data/scrolltext.tga", "data/s1.tga",          "data/s2.tga",           "data/s3.tga",
    "data/s4.tga",         "data/s5.tga",          "data/s6.tga",           "data/s7.tga",
    "data/s8.tga",         "data/s9.tga",          "data/s10.tga",          "data/credit1.tga",
    "data/credit2.tga",    "data/credit3.tga",     "data/lobby2.tga",       "data/lobby3.tga",
    "data/hat.tga",        "data/hat1.tga",        "data/hero.tga",         "data/debrief.tga",
    "data/eksplo.tga",     "data/lommekniv.tga",
};
