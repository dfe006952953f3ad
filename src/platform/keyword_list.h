#pragma once
#include "app/context.h"

namespace dalmiro {

// Run when AnalysisWindow is created: clears the stop flag and appends one ranking row per
// keyword of the chosen ad group (number, keyword, bid in yuan, keyword id), moving 进度条1
// from 0 to the number of keywords.
void LoadKeywordList(AppContext& ctx);

// The same into a ranking window that is already open: its rows are replaced, not doubled.
void ReloadKeywordList(AppContext& ctx);

} // namespace dalmiro
