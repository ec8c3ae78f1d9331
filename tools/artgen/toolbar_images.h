#pragma once

#include <QImage>

#include <vector>

namespace artgen {

// The picture of one toolbar button, 16 x 15, named by the command it sends.
struct ToolbarButtonImage {
    int command;
    QImage image;
};

// New Game, Select Game, Restart Game, Options, Statistics, Card Color, Background
// Color, Default Color and About, in the order of the toolbar.
std::vector<ToolbarButtonImage> ToolbarImages();

}  // namespace artgen
