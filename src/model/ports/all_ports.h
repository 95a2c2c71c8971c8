#pragma once
// Every port, for the windows and fakes that implement them all.
#include "model/ports/analyzer_port.h"
#include "model/ports/clock_panel_port.h"
#include "model/ports/clock_timer_port.h"
#include "model/ports/file_port.h"
#include "model/ports/ic_view_port.h"
#include "model/ports/level_port.h"
#include "model/ports/ports.h"
#include "model/ports/power_port.h"
#include "model/ports/status_port.h"
#include "model/ports/tool_port.h"
#include "model/ports/undo_port.h"
#include "model/ports/worksheet_port.h"
