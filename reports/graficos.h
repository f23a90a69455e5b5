#pragma once
// The five plot scripts, one per quantity against time, each written and run
// through the plotter before the next.

#include <string>

void grava_graficos(const std::string& titulo);
