#pragma once

// The second module of shared procedures. Each group lives in a file of its own and is
// gathered here, so a caller that thinks of "modProcsII" finds all of them.

#include "modules/TeamFile.h"
