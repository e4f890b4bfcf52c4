// SPDX-FileCopyrightText: 2026 Dorwinkel
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "export/Picture.h"

#include <string>
#include <vector>

// The items of one kind in painting order.
template <typename Item> std::vector<Item> ItemsOf(const Picture& picture) {
    std::vector<Item> items;
    for (const PictureItem& item : picture.items)
        if (const Item* i = std::get_if<Item>(&item)) items.push_back(*i);
    return items;
}

inline std::vector<std::string> TextsOf(const std::vector<PictureText>& texts) {
    std::vector<std::string> result;
    for (const PictureText& t : texts) result.push_back(t.text);
    return result;
}
