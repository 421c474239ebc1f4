// Filled by the special characters.
#include "ai/SpecialChars.h"
