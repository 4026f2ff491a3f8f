#pragma once
// The one entry of each window module, looked up by name after loading. Only
// pointers to the program's own types cross; the program and its modules
// are built together from one tree with one compiler.

#include <cstdint>

#include "ui/late/late_windows.h"

#define CASTOVIN_GRAPHS_ENTRY_NAME "castovin_graphs_open"
#define CASTOVIN_RISK_CHARTS_ENTRY_NAME "castovin_graphs_risk_charts"
#define CASTOVIN_HELP_ENTRY_NAME "castovin_help_show"

extern "C" {
using CastovinGraphsOpen = void (*)(castovin::Project*, castovin::Environment*, castovin::Messenger*,
                                    const castovin::WindowContext*, int16_t);
using CastovinRiskCharts = castovin::RiskCharts* (*)(QWidget*, const castovin::Project*, const castovin::Environment*,
                                                     castovin::Messenger*, const castovin::WindowContext*);
using CastovinHelpShow = void (*)(const castovin::Environment*, castovin::PlatformServices*, int, int);
}
