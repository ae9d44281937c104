#include "pagegen/left_panel.h"

#include "common/sjis.h"
#include "common/text_format.h"
#include "pagegen/page_header.h"
#include "pagegen/page_tables.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace {

// clang-format off
constexpr std::string_view kDetailLinks[3] = {
    "<A href=\"ste1.html\" target=\"_blank\">▼ 詳細 </A></TD>\n"_sj,
    "<A href=\"ste2.html\" target=\"_blank\">▼ 詳細 </A></TD>\n"_sj,
    "<A href=\"ste3.html\" target=\"_blank\">▼ 詳細 </A></TD>\n"_sj,
};
// clang-format on

void writeMemberBox(OutputFile& page, const CharacterRecord& member, int memberIndex) {
  const Int* n = member.n;
  page.write(
      "<TABLE cellpadding=\"5\" style=\"filter:Alpha(opacity=70)\" border=\"0\" cellspacing=\"1\" "
      "bgcolor=\"#ffffff\" width=\"280\">\n");
  page.write("  <TBODY>\n");
  page.write("    <TR>\n");
  page.write(formatText("<TD bgcolor=\"#0d104f\"><IMG src=\"sub_%02d.png\" align=\"left\">\n", {n[kJob]}));
  page.write(formatText("名前：%s<br>\n"_sj, {nameOf(member)}));
  page.write(formatText("　職業：%s<br>\n"_sj, {jobName(n[kJob])}));
  page.write(formatText("　ＨＰ：%d / %d<br>\n"_sj, {n[kHp], n[kMaxHp]}));
  page.write(formatText("　ＭＰ：%d / %d<br>\n"_sj, {n[kMp], n[kMaxMp]}));
  page.write(formatText("　ＬＶ：%d<br>\n"_sj, {n[kLevel]}));
  page.write("<br>\n");
  page.write(kDetailLinks[memberIndex]);
  page.write("    </TR>\n");
  page.write("  </TBODY>\n");
  page.write("</TABLE>\n");
  page.write("<br>\n");
}

}  // namespace

void writeLeftPanel(const std::string& folder, const CharacterRecord (&members)[3]) {
  OutputFile page = OutputFile::create(joinPath(folder, "left.html"));
  if (!page.isOpen()) return;
  copyPageHeader(page, folder, "head2.dat");
  for (int i = 0; i < 3; ++i) writeMemberBox(page, members[i], i);
  // Closes the body that head2.dat opens.
  page.write("</BODY>\n");
  page.write("</html>\n");
}
