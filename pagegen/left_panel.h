// left.html: the side panel with one short box per party member.
#pragma once

#include <string>

#include "common/character_record.h"

// Writes left.html into `folder` for members 1..3; nothing when it cannot be
// created.
void writeLeftPanel(const std::string& folder, const CharacterRecord (&members)[3]);
