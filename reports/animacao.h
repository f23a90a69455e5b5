#pragma once
// The burn-front animation of the activation-front grain: an animated GIF of
// every frame file over the grain outline, then the clean-up of ./temp.

#include <string>

#include "input/caso.h"
#include "models/grao.h"

// Does nothing for grain types other than 4.
void grava_animacao(const std::string& titulo, const CaseParameters& caso, const GrainGeometry& g);
