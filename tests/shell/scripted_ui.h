#pragma once
#include "support/scripted_ui.h"
