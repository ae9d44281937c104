#include "pagegen/status_pages.h"

#include "common/character_record.h"
#include "pagegen/detail_page.h"
#include "pagegen/left_panel.h"

void writeStatusPages(const std::string& folder) {
  CharacterRecord members[3] = {};
  const char* const files[3] = {"status1.dat", "status2.dat", "status3.dat"};
  for (int i = 0; i < 3; ++i) loadCharacter(folder, files[i], members[i]);
  for (int i = 0; i < 3; ++i) {
    if (!writeDetailPage(folder, members[i], i + 1)) break;
  }
  writeLeftPanel(folder, members);
}
