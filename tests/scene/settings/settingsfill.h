// A model with every stored value changed from its default, for the writer and round-trip tests.
#pragma once

#include "scene/rendpyl_model.h"

// The model holds material records for the IDs 1001, 1002 and 1003, in that order.
void FillEveryField(RENDPYL_MODEL& model);
