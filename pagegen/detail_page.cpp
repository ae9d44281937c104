#include "pagegen/detail_page.h"

#include "common/sjis.h"
#include "common/text_format.h"
#include "pagegen/page_header.h"
#include "pagegen/page_tables.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

void writeBreaks(OutputFile& page, int count) {
  for (int i = 0; i < count; ++i) page.write("<BR>\n");
}

// Portrait, name, job, HP, MP, level and the fighting values.
void writeLeftCell(OutputFile& page, const CharacterRecord& member) {
  const Int* n = member.n;
  page.write(formatText("<TD bgcolor=\"#0d104f\"><IMG src=\"sub_%02d.png\" align=\"left\">\n", {n[kJob]}));
  writeBreaks(page, 2);
  page.write(formatText("名前　：　%s<br>\n"_sj, {nameOf(member)}));
  page.write(formatText("職業　：　%s<br>\n"_sj, {jobName(n[kJob])}));
  page.write(formatText("ＨＰ　：　%d / %d<br>\n"_sj, {n[kHp], n[kMaxHp]}));
  page.write(formatText("ＭＰ　：　%d / %d<br>\n"_sj, {n[kMp], n[kMaxMp]}));
  page.write(formatText("ＬＶ　：　%d<br>\n"_sj, {n[kLevel]}));
  writeBreaks(page, 2);
  page.write(formatText("物理攻撃　：　%d<br>\n"_sj, {n[kAttack]}));
  page.write(formatText("物理防御　：　%d<br>\n"_sj, {n[kDefence]}));
  page.write(formatText("魔法攻撃　：　%d<br>\n"_sj, {n[kMagicAttack]}));
  page.write(formatText("魔法防御　：　%d<br>\n"_sj, {n[kMagicDefence]}));
  page.write(formatText("すばやさ　：　%d<br>\n"_sj, {n[kSpeed]}));
  page.write(formatText("命中率　：　%d<br>\n"_sj, {n[kHitRate]}));
  page.write(formatText("回避率　：　%d<br>\n"_sj, {n[kEvasion]}));
  page.write("</TD>\n");
}

// Money, items, equipment and skills. The third page has one break fewer at
// the top; the host's layout has always looked that way.
void writeRightCell(OutputFile& page, const CharacterRecord& member, int memberNumber) {
  const Int* n = member.n;
  page.write("<TD bgcolor=\"#0d104f\" valign=\"top\" width=\"320\">\n");
  writeBreaks(page, memberNumber == 3 ? 2 : 3);
  page.write(formatText("所持金　：　%d<br>\n"_sj, {n[kMoney]}));
  page.write(formatText("ライフボトル　：　%d個<br>\n"_sj, {n[kLifeBottles]}));
  writeBreaks(page, 1);
  page.write(formatText("エリクサー　：　%d個<br>\n"_sj, {n[kElixirs]}));
  page.write(formatText("マジックボトル　：　%d個<br>\n"_sj, {n[kMagicBottles]}));
  page.write(formatText("フェニックスリング　：　%d個<br>\n"_sj, {n[kPhoenixRings]}));
  writeBreaks(page, 1);
  Equipment weapon = weaponAt(n[kWeapon]);
  Equipment armour = armourAt(n[kArmour]);
  page.write(formatText("武器　：　%s(%d)<br>\n"_sj, {weapon.name, weapon.value}));
  page.write(formatText("防具　：　%s(%d)<br>\n"_sj, {armour.name, armour.value}));
  page.write("必殺技　：<br>\n"_sj);
  writeBreaks(page, 1);
  page.write(formatText("　%s(Lv%d)<br>\n"_sj, {pageSkillName(n[kSkill1]), n[kSkillLevel1]}));
  page.write(formatText("　%s(Lv%d)<br>\n"_sj, {pageSkillName(n[kSkill2]), n[kSkillLevel2]}));
  page.write(formatText("　%s(Lv%d)<br>\n"_sj, {pageSkillName(n[kSkill3]), n[kSkillLevel3]}));
  page.write(formatText("　%s<br>\n"_sj, {pageSkillName(n[kPassive])}));
}

}  // namespace

bool writeDetailPage(const std::string& folder, const CharacterRecord& member, int memberNumber) {
  std::string name = "ste" + std::to_string(memberNumber) + ".html";
  OutputFile page = OutputFile::create(joinPath(folder, name));
  if (!page.isOpen()) return false;
  copyPageHeader(page, folder, "head3.dat");
  page.write(
      "<TABLE cellpadding=\"5\" style=\"filter:Alpha(opacity=70)\" border=\"0\" cellspacing=\"1\" "
      "bgcolor=\"#ffffff\" width=\"600\">\n");
  page.write("  <TBODY>\n");
  page.write("    <TR>\n");
  writeLeftCell(page, member);
  writeRightCell(page, member, memberNumber);
  // The last five lines close the outer table, the centring and the body
  // that head3.dat opens.
  page.write("</TR>\n</TBODY>\n</TABLE>\n</TD>\n</TR>\n</TBODY>\n</TABLE>\n</CENTER>\n</BODY>\n</html>\n");
  return true;
}
