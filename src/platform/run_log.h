#pragma once
#include "util/text.h"

#include <string_view>

namespace dalmiro {

// The run log "获取关键词" writes into 编辑框1: the chosen campaign and promoted item, how
// many items the campaign has, and the item's public page address; lines end in CR LF.
Text RunLogText(std::string_view campaignTitle, std::string_view itemTitle, int itemCount,
                std::string_view itemPageUrl);

} // namespace dalmiro
