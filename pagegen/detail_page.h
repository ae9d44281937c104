// A party member's detail page, ste1.html to ste3.html.
#pragma once

#include <string>

#include "common/character_record.h"

// Writes the detail page of member `memberNumber` (1..3) into `folder`.
// Returns false when the page cannot be created; nothing is written then.
bool writeDetailPage(const std::string& folder, const CharacterRecord& member, int memberNumber);
