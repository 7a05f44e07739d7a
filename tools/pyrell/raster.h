// Draws the model's faces flat-shaded in their material colours as the scene's eye sees them.
#pragma once
#include "bmpfile.h"
#include "hxomodel.h"
#include "pylscene.h"

void DrawModel(const PylScene& scene, const HxoModel& model, Picture& picture);
