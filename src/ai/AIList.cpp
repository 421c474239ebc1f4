// Filled by the AI catalogue.
#include "ai/AIList.h"
