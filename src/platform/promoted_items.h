#pragma once
#include "app/context.h"

namespace dalmiro {

// "获取推广宝贝": with a campaign chosen, empties the promoted-item combo box and loads the
// chosen campaign's items again; without one, tells the user to pick a campaign and sends
// nothing.
void ReloadPromotedItems(AppContext& ctx);

// Inserts the chosen campaign's promoted items into the promoted-item combo box in reply order
// and writes their ad-group ids, item ids and image paths into the item tables from entry 1
// upward (entries above keep their values).
void LoadPromotedItems(AppContext& ctx);

} // namespace dalmiro
