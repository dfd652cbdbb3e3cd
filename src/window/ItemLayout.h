#pragma once

#include "menu/MenuPanel.h"
#include "platform/FontMetrics.h"
#include "platform/Point.h"
#include "platform/Size.h"

#include <cstdint>

// The geometry of the entry column, computed once when the window is built:
// labels split into lines, each entry measured in the menu font, the entries
// stacked in one left-aligned column.

// Cuts the entry's label at every backslash-n pair into its lines, each at
// (0, 0) until positioned.
void splitLabel(MenuItem& item);

// Splits the label and gives the size of its lines: the widest line by the
// number of lines times the line height.
platform::Size measureItem(MenuItem& item, const platform::FontMetrics& metrics);

// Gives every entry the panel's font and its measured size, keeping the
// rectangle's top-left corner. Runs once per menu.
void measureItems(MenuPanel& panel, const platform::FontMetrics& metrics);

// The room the column needs: the widest entry and the margins across; all
// entries, the gaps between them and the margins down. 0 wide when empty.
platform::Size panelSize(const MenuPanel& panel);

// Line j of the entry goes to (x, y + j * lineHeight).
void positionLines(MenuItem& item, platform::Point topLeft, std::int32_t lineHeight);

// Stacks the entries from (xOffset + marginLeft, marginTop) downwards, each
// followed by the line spacing.
void positionItems(MenuPanel& panel, std::int32_t xOffset, std::int32_t lineHeight);
