#include "pagegen/page_header.h"

#include "platform/paths.h"

void copyPageHeader(OutputFile& page, const std::string& folder, std::string_view headerName) {
  std::string header;
  if (readWholeFile(joinPath(folder, headerName), header) == ReadStatus::Read) page.writeBytes(header);
}
