#pragma once

#include "Render/ViewData.h"

namespace Render
{
class I_RenderAbilities;
} // namespace Render

namespace Game
{
// The steps of the program's start-up that shape its configuration.

// Reads the command line into the configuration: an optional first argument "SETTINGS_..." naming the
// settings file (default SETTINGS_orvik.cfg) read into the overrides, the main file orvik.cfg, an
// optional next argument ending ".cfg" layered on it, then every argument KEY==VALUE as an override
// (arguments starting "-" and any other form are ignored). Answers 1 when the ".cfg" argument names a
// missing or empty file, before anything else is read; 0 otherwise.
int layerConfiguration(int argc, char** argv);

// The first view: MIN_Z, MAX_Z, FOV, the window's size, VSYNC_ON and IS_3D.
Render::ViewData initialViewData();

// For each ability in publishing order: a configured INFO_ + name forces its value on the abilities;
// otherwise the detected value is published as that override.
void publishAbilities(Render::I_RenderAbilities& abilities);

// Pins every key listed in GLOBAL_KEYS into the overrides with its configured value, unless it is
// overridden already, so that every configuration file read later sees it.
void pinGlobalKeys();
} // namespace Game
