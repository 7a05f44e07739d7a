// A second list-box wrapper: the operations, messages and rules of UDLGLIST.
#pragma once
#include "ui/udlglist.h"

struct UDLGLISTVIEW : UDLGLIST {};
