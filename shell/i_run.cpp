#include "shell/i_run.h"

uint32_t lastScore = 0;
