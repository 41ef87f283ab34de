#include "assets/assets.h"
