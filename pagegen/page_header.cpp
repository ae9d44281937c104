#include "pagegen/page_header.h"

#include "platform/paths.h"

void copyPageHeader(OutputFile& page, const std::string& folder, std::string_view headerName) {
  copyFileBytes(joinPath(folder, headerName), page);
}
